// What Explorer and Task Manager show of the program file: its version
// information and its application manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>
#include <string>
#include <vector>

#include "wine_panel.h"

namespace {

// Looked up under the language the file itself lists first, as Explorer does.
std::wstring VersionString(std::vector<char>& info, const wchar_t* name) {
    WORD* translation = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &size) ||
        size < 2 * sizeof(WORD))
        return L"(no translation)";
    wchar_t path[96];
    swprintf(path, 96, L"\\StringFileInfo\\%04x%04x\\%ls", translation[0], translation[1], name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(info.data(), path, reinterpret_cast<void**>(&value), &size)) return L"(missing)";
    return value;
}

TEST(ProgramFile, CarriesVersionInformationAndAManifest) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(g_exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << "no version information";
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(g_exe.c_str(), 0, size, info.data()));
    EXPECT_EQ(VersionString(info, L"ProductName"), PANEL_CAPTION);
    EXPECT_EQ(VersionString(info, L"FileDescription"), L"Тестовая панель платы программатора");
    EXPECT_EQ(VersionString(info, L"ProductVersion"), PROGRAM_VERSION);
    EXPECT_EQ(VersionString(info, L"FileVersion"), PROGRAM_VERSION);
    // Its console companion says what it is too.
    const std::wstring com = g_exe.substr(0, g_exe.size() - 4) + L".com";
    std::vector<char> comInfo(GetFileVersionInfoSizeW(com.c_str(), &ignored) + 1);
    ASSERT_TRUE(GetFileVersionInfoW(com.c_str(), 0, DWORD(comInfo.size()), comInfo.data()));
    EXPECT_EQ(VersionString(comInfo, L"OriginalFilename"), L"kalderon-test.com");
    EXPECT_EQ(VersionString(comInfo, L"ProductVersion"), PROGRAM_VERSION);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT fixedSize = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedSize));
    wchar_t numbers[32];
    swprintf(numbers, 32, L"%u.%u", HIWORD(fixed->dwProductVersionMS), LOWORD(fixed->dwProductVersionMS));
    EXPECT_EQ(std::wstring(numbers), PROGRAM_VERSION);

    // The manifest must parse, or Windows refuses to start the program.
    const LPCWSTR manifestId = MAKEINTRESOURCEW(1);  // CREATEPROCESS_MANIFEST_RESOURCE_ID
    ACTCTXW context = {};
    context.cbSize = sizeof context;
    context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    context.lpSource = g_exe.c_str();
    context.lpResourceName = manifestId;
    const HANDLE activation = CreateActCtxW(&context);
    ASSERT_NE(activation, INVALID_HANDLE_VALUE) << "the manifest does not parse: " << GetLastError();
    ReleaseActCtx(activation);
    const HMODULE file = LoadLibraryExW(g_exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const LPCWSTR manifestType = MAKEINTRESOURCEW(24);  // RT_MANIFEST
    const HRSRC found = FindResourceW(file, manifestId, manifestType);
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(LockResource(LoadResource(file, found))),
                               SizeofResource(file, found));
    for (const char* wanted : {"level=\"asInvoker\"", "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",
                               "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}", "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",
                               "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}", ">true</dpiAware>"})
        EXPECT_NE(manifest.find(wanted), std::string::npos) << wanted;
    FreeLibrary(file);
}

}  // namespace
