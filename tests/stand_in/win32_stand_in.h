#pragma once

// The slice of the Win32 interface that the launcher uses, declared for host
// builds: the records, constants and calls it names, with the shapes that the
// Win32 documentation gives them. The calls are defined by the test platform
// (win32_stand_in.cpp), which lets each test script the system's answers and
// records what the launcher asked.

#include <cstddef>
#include <cstdint>

#define WINAPI

using BOOL = int;
using BYTE = unsigned char;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using UINT = unsigned int;
using DWORD_PTR = std::uintptr_t;
using HANDLE = void *;
using HINSTANCE = struct stand_in_instance *;
using HWND = struct stand_in_window *;
using LPSTR = char *;
using LPCSTR = const char *;
using LPVOID = void *;
using LPBYTE = BYTE *;

constexpr BOOL FALSE = 0;
constexpr BOOL TRUE = 1;
constexpr UINT MB_OK = 0;
constexpr int SW_SHOWDEFAULT = 10;
constexpr unsigned MAX_LEADBYTES = 12;
constexpr unsigned MAX_DEFAULTCHAR = 2;

struct CPINFO {
    UINT MaxCharSize;
    BYTE DefaultChar[MAX_DEFAULTCHAR];
    BYTE LeadByte[MAX_LEADBYTES];
};

struct STARTUPINFOA {
    DWORD cb;
    LPSTR lpReserved;
    LPSTR lpDesktop;
    LPSTR lpTitle;
    DWORD dwX;
    DWORD dwY;
    DWORD dwXSize;
    DWORD dwYSize;
    DWORD dwXCountChars;
    DWORD dwYCountChars;
    DWORD dwFillAttribute;
    DWORD dwFlags;
    WORD wShowWindow;
    WORD cbReserved2;
    LPBYTE lpReserved2;
    HANDLE hStdInput;
    HANDLE hStdOutput;
    HANDLE hStdError;
};

struct PROCESS_INFORMATION {
    HANDLE hProcess;
    HANDLE hThread;
    DWORD dwProcessId;
    DWORD dwThreadId;
};

struct SECURITY_ATTRIBUTES;

LPSTR GetCommandLineA();
UINT GetACP();
BOOL GetCPInfo(UINT CodePage, CPINFO *lpCPInfo);
BOOL CreateProcessA(LPCSTR lpApplicationName, LPSTR lpCommandLine,
                    SECURITY_ATTRIBUTES *lpProcessAttributes,
                    SECURITY_ATTRIBUTES *lpThreadAttributes, BOOL bInheritHandles,
                    DWORD dwCreationFlags, LPVOID lpEnvironment, LPCSTR lpCurrentDirectory,
                    STARTUPINFOA *lpStartupInfo, PROCESS_INFORMATION *lpProcessInformation);
BOOL SetProcessAffinityMask(HANDLE hProcess, DWORD_PTR dwProcessAffinityMask);
int MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType);

// Defined by the launcher, as on Windows.
int WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow);
