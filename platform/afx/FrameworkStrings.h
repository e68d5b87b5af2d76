#pragma once
// The framework's own strings, kept with the program's resources.

constexpr unsigned afxAppTitle = 57344;          // the application's name, when the program has one
constexpr unsigned afxNotSupported = 61473;      // "An unsupported operation was attempted."
constexpr unsigned afxFailedToLaunchHelp = 61703; // "Failed to launch help."
constexpr unsigned afxInternalFailure = 61704;   // "Internal application error."
constexpr unsigned afxParseInteger = 61712;      // "Please enter an integer."
constexpr unsigned afxHelpCommand = 57670;       // the Help command, ID_HELP
constexpr unsigned afxHelpContextBase = 0x20000; // a dialog's help context is this plus its template
