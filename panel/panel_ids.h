// Resource and control ids, shared by resources/panel.rc and the panel code.
// Only #defines here: the resource compiler reads this file too.
#pragma once

#define IDD_PANEL 1000
#define IDI_PANEL 30

// Input bits: IDC_BIT0 + i is bit i of the byte the Write command sends.
#define IDC_BIT0 1003
#define IDC_BIT7 1010
// The three label columns naming the same bits for the other registers.
#define IDC_LABEL_D0 1011
#define IDC_LABEL_A8 1019
#define IDC_LABEL_A0 1027

#define IDC_SEL_CONTROL 1035
#define IDC_SEL_DATA 1036
#define IDC_SEL_ADDR_HIGH 1037
#define IDC_SEL_ADDR_LOW 1038
#define IDC_FRAME_LEFT 1039
#define IDC_WRITE 1040
#define IDC_STEP_MODE 1041
// Read-back bits: IDC_READ_BIT0 + i shows bit i of the byte read.
#define IDC_READ_BIT0 1042
#define IDC_READ_BIT7 1049
#define IDC_FRAME_MIDDLE 1050
#define IDC_READ 1051
#define IDC_CHECKBOX1052 1052  // select-all for the eight input bits
#define IDC_FRAME_BOTTOM 1053
#define IDC_RESET 1054
#define IDC_ADDR_STEP 1055
#define IDC_SPARE1 1057
#define IDC_TIMER_TEST 1058
#define IDC_SPARE2 1059

#define PANEL_BITS 8
