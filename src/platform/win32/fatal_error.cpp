#include "platform/win32/fatal_error.h"

#include <cstdlib>
#include <exception>
#include <string>

#include "platform/conversions.h"
#include "platform/runtime_error.h"
#include "platform/win32/text.h"

namespace tintavo::win32 {
namespace {

bool fatalErrorInProgress = false;

std::u16string DescribeCurrentException() {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return u"実行時エラー '" + IntegerToText(error.number()) + u"':\n\n" + error.description();
    } catch (const std::bad_alloc&) {
        return u"実行時エラー '7':\n\nメモリが不足しています。";
    } catch (...) {
        return u"内部エラーが発生しました。";
    }
}

}  // namespace

bool FatalErrorInProgress() noexcept { return fatalErrorInProgress; }

void ReportFatalErrorAndExit() noexcept {
    fatalErrorInProgress = true;
    try {
        const std::wstring message = ToWide(DescribeCurrentException());
        ::MessageBoxW(nullptr, message.c_str(), L"Tintavo", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    } catch (...) {
        ::MessageBoxW(nullptr, L"内部エラーが発生しました。", L"Tintavo", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    ::ExitProcess(1);
}

}  // namespace tintavo::win32

#if defined(__GLIBCXX__)
// libstdc++'s default terminate handler writes the exception's demangled type to standard error,
// which a windowed program does not have, and links the demangler and a printf into the program
// (some 50 KB). An exception that reaches std::terminate ends the program like any other
// fatal error instead.
namespace __gnu_cxx {
void __verbose_terminate_handler() {
    if (std::current_exception()) tintavo::win32::ReportFatalErrorAndExit();
    std::abort();
}
}  // namespace __gnu_cxx
#endif
