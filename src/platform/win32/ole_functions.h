#pragma once

#include <windows.h>
#include <oleacc.h>
#include <oleauto.h>

namespace tintavo::win32::ole {

// The few functions of ole32, oleaut32 and oleacc that the program calls, all of them for screen
// readers. Each library is loaded at the first call into it and stays loaded for the life of the
// process, so a picker that no screen reader talks to never loads them. Where a library or
// function cannot be had, a call fails as the function reports failure.
HRESULT CoInitializeEx(void* reserved, DWORD flags);
void CoUninitialize();
HRESULT CoDisconnectObject(IUnknown* object, DWORD reserved);
HRESULT CreateStdAccessibleObject(HWND window, LONG objectId, REFIID iid, void** object);
LRESULT LresultFromObject(REFIID iid, WPARAM wParam, IUnknown* object);
HRESULT DispInvoke(void* object, ITypeInfo* info, DISPID member, WORD flags, DISPPARAMS* parameters, VARIANT* result,
                   EXCEPINFO* exception, UINT* badArgument);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);

}  // namespace tintavo::win32::ole
