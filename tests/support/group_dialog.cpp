#include "group_dialog.h"

INT_PTR CALLBACK GroupDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        SendDlgItemMessageW(window, IDC_GROUP_A1, BM_SETCHECK, BST_CHECKED, 0);
        SendDlgItemMessageW(window, IDC_GROUP_B1, BM_SETCHECK, BST_CHECKED, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(window, 0);
        return TRUE;
    case WM_COMMAND:
        if (wParam != IDCANCEL) return FALSE;
        EndDialog(window, 0);
        return TRUE;
    default:
        return FALSE;
    }
}
