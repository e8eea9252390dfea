#pragma once

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#include "platform/win32/ole_functions.h"

#include <utility>

namespace tintavo::win32 {

// Owns one Windows handle and gives it back with its own release function; moves, never
// copies. Named after the wrappers of Microsoft's WIL.
template <typename Handle, auto Release>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle handle) noexcept : handle_(handle) {}
    ~UniqueHandle() { reset(); }
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != nullptr; }
    // Hands the handle over to whoever now owns it.
    [[nodiscard]] Handle release() noexcept { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) noexcept {
        if (handle_) Release(handle_);
        handle_ = handle;
    }

private:
    Handle handle_ = nullptr;
};

using unique_hdc = UniqueHandle<HDC, &::DeleteDC>;
using unique_hbitmap = UniqueHandle<HBITMAP, &::DeleteObject>;
using unique_hfont = UniqueHandle<HFONT, &::DeleteObject>;
using unique_hbrush = UniqueHandle<HBRUSH, &::DeleteObject>;
using unique_hicon = UniqueHandle<HICON, &::DestroyIcon>;
using unique_hmodule = UniqueHandle<HMODULE, &::FreeLibrary>;
using unique_hmenu = UniqueHandle<HMENU, &::DestroyMenu>;
using unique_bstr = UniqueHandle<BSTR, &ole::SysFreeString>;

// One reference to a COM object, released when done.
template <typename Interface>
class unique_com_ptr {
public:
    unique_com_ptr() = default;
    // Takes over a reference the caller already holds.
    explicit unique_com_ptr(Interface* pointer) noexcept : pointer_(pointer) {}
    ~unique_com_ptr() { reset(); }
    unique_com_ptr(unique_com_ptr&& other) noexcept : pointer_(std::exchange(other.pointer_, nullptr)) {}
    unique_com_ptr& operator=(unique_com_ptr&& other) noexcept {
        if (this != &other) reset(std::exchange(other.pointer_, nullptr));
        return *this;
    }
    unique_com_ptr(const unique_com_ptr&) = delete;
    unique_com_ptr& operator=(const unique_com_ptr&) = delete;

    Interface* get() const noexcept { return pointer_; }
    Interface* operator->() const noexcept { return pointer_; }
    explicit operator bool() const noexcept { return pointer_ != nullptr; }
    // Where a function that hands out a reference puts it; any previous one is released first.
    Interface** put() noexcept {
        reset();
        return &pointer_;
    }
    void** put_void() noexcept { return reinterpret_cast<void**>(put()); }
    void reset(Interface* pointer = nullptr) noexcept {
        if (pointer_) pointer_->Release();
        pointer_ = pointer;
    }

private:
    Interface* pointer_ = nullptr;
};

// COM on this thread as a single-threaded apartment, so that calls from other processes (a
// screen reader's) arrive through the thread's message loop.
class unique_com_apartment {
public:
    unique_com_apartment() noexcept
        : initialized_(SUCCEEDED(ole::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~unique_com_apartment() {
        if (initialized_) ole::CoUninitialize();
    }
    unique_com_apartment(const unique_com_apartment&) = delete;
    unique_com_apartment& operator=(const unique_com_apartment&) = delete;

private:
    bool initialized_;
};

// Enters this thread into COM as a single-threaded apartment the first time something needs it,
// and leaves it when the program ends: only screen readers' requests and their announcements
// use COM, so a program that no reader talks to never starts it.
inline void EnterComApartmentOnce() { static const unique_com_apartment apartment; }

// A window's device context, given back to that window.
class unique_hdc_window {
public:
    unique_hdc_window(HWND window, HDC dc) noexcept : window_(window), dc_(dc) {}
    ~unique_hdc_window() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    unique_hdc_window(const unique_hdc_window&) = delete;
    unique_hdc_window& operator=(const unique_hdc_window&) = delete;

    HDC get() const noexcept { return dc_; }

private:
    HWND window_ = nullptr;
    HDC dc_ = nullptr;
};

// Selects an object into a device context and puts the previous one back.
class unique_select_object {
public:
    unique_select_object(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~unique_select_object() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    unique_select_object(const unique_select_object&) = delete;
    unique_select_object& operator=(const unique_select_object&) = delete;

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// BeginPaint and EndPaint around a WM_PAINT.
class PaintScope {
public:
    explicit PaintScope(HWND window) noexcept : window_(window), dc_(::BeginPaint(window, &paint_)) {}
    ~PaintScope() { ::EndPaint(window_, &paint_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;

    HDC dc() const noexcept { return dc_; }
    const RECT& area() const noexcept { return paint_.rcPaint; }

private:
    HWND window_ = nullptr;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

}  // namespace tintavo::win32
