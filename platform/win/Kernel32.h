#pragma once
// The kernel32 subset: threads, handles, waiting, errors, the module and its resources.

#include "platform/win/Types.h"

HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES lpThreadAttributes, SIZE_T dwStackSize,
                           LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                           DWORD dwCreationFlags, LPDWORD lpThreadId);
BOOL WINAPI CloseHandle(HANDLE hObject);
BOOL WINAPI GetExitCodeThread(HANDLE hThread, LPDWORD lpExitCode);
VOID WINAPI Sleep(DWORD dwMilliseconds);
DWORD WINAPI WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
DWORD WINAPI GetCurrentThreadId(VOID);
DWORD WINAPI GetTickCount(VOID);

DWORD WINAPI GetLastError(VOID);
VOID WINAPI SetLastError(DWORD dwErrCode);

HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName);
DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize);
HRSRC WINAPI FindResourceA(HMODULE hModule, LPCSTR lpName, LPCSTR lpType);
HGLOBAL WINAPI LoadResource(HMODULE hModule, HRSRC hResInfo);
LPVOID WINAPI LockResource(HGLOBAL hResData);
DWORD WINAPI SizeofResource(HMODULE hModule, HRSRC hResInfo);

int WINAPI MulDiv(int nNumber, int nNumerator, int nDenominator);

#define STILL_ACTIVE 259
