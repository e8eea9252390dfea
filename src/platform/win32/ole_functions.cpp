#include "platform/win32/ole_functions.h"

namespace tintavo::win32::ole {
namespace {

HMODULE Library(const wchar_t* name) { return ::LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32); }

HMODULE Ole32() {
    static const HMODULE library = Library(L"ole32.dll");
    return library;
}

HMODULE OleAut32() {
    static const HMODULE library = Library(L"oleaut32.dll");
    return library;
}

HMODULE OleAcc() {
    static const HMODULE library = Library(L"oleacc.dll");
    return library;
}

// The function of that name in the library; null where there is none.
template <typename Pointer>
Pointer Function(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Pointer>(reinterpret_cast<void*>(::GetProcAddress(library, name))) : nullptr;
}

}  // namespace

HRESULT CoInitializeEx(void* reserved, DWORD flags) {
    static const auto function = Function<decltype(&::CoInitializeEx)>(Ole32(), "CoInitializeEx");
    return function ? function(reserved, flags) : E_FAIL;
}

void CoUninitialize() {
    static const auto function = Function<decltype(&::CoUninitialize)>(Ole32(), "CoUninitialize");
    if (function) function();
}

HRESULT CoDisconnectObject(IUnknown* object, DWORD reserved) {
    static const auto function = Function<decltype(&::CoDisconnectObject)>(Ole32(), "CoDisconnectObject");
    return function ? function(object, reserved) : E_FAIL;
}

HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object) {
    static const auto function = Function<decltype(&::CreateStdAccessibleObject)>(OleAcc(), "CreateStdAccessibleObject");
    return function ? function(window, objectId, iid, object) : E_FAIL;
}

LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object) {
    static const auto function = Function<decltype(&::LresultFromObject)>(OleAcc(), "LresultFromObject");
    return function ? function(iid, wParam, object) : E_FAIL;
}

HRESULT DispInvoke(void* object, ITypeInfo* info, DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                   EXCEPINFO* exception, UINT* badArgument) {
    static const auto function = Function<decltype(&::DispInvoke)>(OleAut32(), "DispInvoke");
    return function ? function(object, info, member, flags, parameters, result, exception, badArgument) : E_FAIL;
}

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
    static const auto function = Function<decltype(&::SysAllocStringLen)>(OleAut32(), "SysAllocStringLen");
    return function ? function(text, length) : nullptr;
}

void SysFreeString(BSTR text) {
    static const auto function = Function<decltype(&::SysFreeString)>(OleAut32(), "SysFreeString");
    if (function) function(text);
}

}  // namespace tintavo::win32::ole
