// The C runtime's start calls this to apply runtime pseudo-relocations,
// which a program needs only where it reads a DLL's data without saying it
// is imported. This one reads none that way, and its link refuses to import
// any (--disable-auto-import and --disable-runtime-pseudo-reloc,
// cmake/windows.cmake), so the runtime's own relocator, with the section
// walker it brings in, a twentieth of the program, is left out.
extern "C" void _pei386_runtime_relocator() {}
