#include "platform/win32/accessible_window.h"

// Defines IID_IAccessible here: mingw-w64's import library of oleacc holds no data for it.
#include <initguid.h>
#include <oleacc.h>
#include <oleidl.h>

#include <algorithm>
#include <new>
#include <vector>

#include "platform/win32/fatal_error.h"

namespace tintavo::win32 {
namespace {

// The windows whose procedure this one stands in front of, found without a window property:
// under Wine each GetProp, which a comctl32 subclass makes for every message, asks the server.
// An entry lives as long as its window; its object may go first.
struct ServedWindow {
    HWND window;
    WNDPROC original;
    AccessibleWindow* object;
};

std::vector<ServedWindow>& ServedWindows() {
    static std::vector<ServedWindow> served;  // the window thread is the only one
    return served;
}

std::vector<ServedWindow>::iterator FindServed(HWND window) {
    std::vector<ServedWindow>& served = ServedWindows();
    return std::find_if(served.begin(), served.end(),
                        [&](const ServedWindow& entry) { return entry.window == window; });
}

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// No exception crosses into COM.
template <typename Work>
HRESULT Answered(Work&& work) noexcept {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

HRESULT AnswerText(const std::wstring& text, BSTR* answer) {
    if (!answer) return E_INVALIDARG;
    *answer = nullptr;
    if (text.empty()) return S_FALSE;
    *answer = ole::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *answer ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

// The standard object of a window with the overrides' answers about the window itself. Every
// call comes on the window's thread; after Disconnect, every call fails.
class OverridingAccessible final : public IAccessible, public IOleWindow {
public:
    OverridingAccessible(HWND window, unique_com_ptr<IAccessible> standard, AccessibleOverrides& overrides)
        : window_(window), standard_(std::move(standard)), overrides_(&overrides) {}

    void Disconnect() noexcept {
        overrides_ = nullptr;
        standard_.reset();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!object) return E_POINTER;
        if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID_IAccessible) {
            *object = static_cast<IAccessible*>(this);
        } else if (iid == IID_IOleWindow) {
            *object = static_cast<IOleWindow*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: the standard object's type information, invoked on this object so that a
    // late-bound client gets the overrides' answers too.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return Connected() ? standard_->GetTypeInfoCount(count) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return Connected() ? standard_->GetTypeInfo(index, locale, info) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return Connected() ? standard_->GetIDsOfNames(iid, names, count, locale, ids) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
        if (!Connected()) return kDisconnected;
        unique_com_ptr<ITypeInfo> info;
        const HRESULT found = standard_->GetTypeInfo(0, locale, info.put());
        if (FAILED(found)) return found;
        return ole::DispInvoke(static_cast<IAccessible*>(this), info.get(), member, flags, parameters, result, exception,
                            argumentError);
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return Connected() ? standard_->get_accParent(parent) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        return Connected() ? standard_->get_accChildCount(count) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return Connected() ? standard_->get_accChild(child, object) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, &AccessibleOverrides::Name, &IAccessible::get_accName);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, value, &AccessibleOverrides::Value, &IAccessible::get_accValue);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return Text(child, description, &AccessibleOverrides::Description, &IAccessible::get_accDescription);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!Connected()) return kDisconnected;
        return Answered([&] {
            const std::optional<long> own = IsSelf(child) ? overrides_->Role() : std::nullopt;
            if (!own) return standard_->get_accRole(child, role);
            if (!role) return E_INVALIDARG;
            role->vt = VT_I4;
            role->lVal = *own;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!Connected()) return kDisconnected;
        return Answered([&] {
            const HRESULT standard = standard_->get_accState(child, state);
            if (SUCCEEDED(standard) && IsSelf(child) && state->vt == VT_I4) state->lVal |= overrides_->AddedStates();
            return standard;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return Connected() ? standard_->get_accHelp(child, help) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return Connected() ? standard_->get_accHelpTopic(file, child, topic) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return Connected() ? standard_->get_accKeyboardShortcut(child, shortcut) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        return Connected() ? standard_->get_accFocus(focus) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        return Connected() ? standard_->get_accSelection(selection) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, action, &AccessibleOverrides::DefaultAction, &IAccessible::get_accDefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        return Connected() ? standard_->accSelect(flags, child) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        return Connected() ? standard_->accLocation(left, top, width, height, child) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override {
        return Connected() ? standard_->accNavigate(direction, start, end) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override {
        return Connected() ? standard_->accHitTest(left, top, child) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        if (!Connected()) return kDisconnected;
        return Answered([&] {
            if (!IsSelf(child) || !overrides_->DefaultAction()) return standard_->accDoDefaultAction(child);
            overrides_->DoDefaultAction();
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return Connected() ? standard_->put_accName(child, name) : kDisconnected;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Connected() ? standard_->put_accValue(child, value) : kDisconnected;
    }

    // IOleWindow, by which WindowFromAccessibleObject finds the window.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (!Connected()) return kDisconnected;
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

private:
    static constexpr HRESULT kDisconnected = RPC_E_DISCONNECTED;

    ~OverridingAccessible() = default;

    bool Connected() const noexcept { return overrides_ != nullptr; }

    using OverrideText = std::optional<std::wstring> (AccessibleOverrides::*)() const;
    using StandardText = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);

    HRESULT Text(const VARIANT& child, BSTR* answer, OverrideText own, StandardText standard) {
        if (!Connected()) return kDisconnected;
        return Answered([&] {
            const std::optional<std::wstring> text = IsSelf(child) ? (overrides_->*own)() : std::nullopt;
            return text ? AnswerText(*text, answer) : (standard_.get()->*standard)(child, answer);
        });
    }

    LONG references_ = 1;
    HWND window_;
    unique_com_ptr<IAccessible> standard_;
    AccessibleOverrides* overrides_;
};

AccessibleWindow::AccessibleWindow(HWND window, AccessibleOverrides& overrides)
    : window_(window), overrides_(overrides) {
    const auto original = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AccessibleWindow::WindowProc)));
    ServedWindows().push_back({window_, original, this});
}

AccessibleWindow::~AccessibleWindow() {
    if (const auto served = FindServed(window_); served != ServedWindows().end()) {
        // Put back unless another procedure went in front since; then this one stays in the
        // chain and passes every message on.
        if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrW(window_, GWLP_WNDPROC)) == &AccessibleWindow::WindowProc) {
            ::SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(served->original));
            ServedWindows().erase(served);
        } else {
            served->object = nullptr;
        }
    }
    if (!object_) return;
    object_->Disconnect();
    // Drops the references that other processes hold through COM, which then get an error.
    ole::CoDisconnectObject(static_cast<IAccessible*>(object_.get()), 0);
}

void AccessibleWindow::Notify(DWORD event) const {
    ::NotifyWinEvent(event, window_, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK AccessibleWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    const auto served = FindServed(window);
    if (served == ServedWindows().end()) return ::DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC original = served->original;
    AccessibleWindow* const object = served->object;
    if (message == WM_NCDESTROY) ServedWindows().erase(served);
    // The object id comes in the low 32 bits, sign-extended or not.
    if (!object || message != WM_GETOBJECT || static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) ||
        FatalErrorInProgress()) {
        return ::CallWindowProcW(original, window, message, wParam, lParam);
    }
    return Guarded([&] { return object->OnGetObject(original, wParam, lParam); });
}

LRESULT AccessibleWindow::OnGetObject(WNDPROC original, WPARAM wParam, LPARAM lParam) {
    if (!object_) {
        EnterComApartmentOnce();
        unique_com_ptr<IAccessible> standard;
        if (FAILED(ole::CreateStdAccessibleObject(window_, OBJID_CLIENT, IID_IAccessible, standard.put_void()))) {
            return ::CallWindowProcW(original, window_, WM_GETOBJECT, wParam, lParam);
        }
        object_.reset(new OverridingAccessible(window_, std::move(standard), overrides_));
    }
    return ole::LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object_.get()));
}

}  // namespace tintavo::win32
