#pragma once
// The small RAII kit of the Win32 side: owned handles, scope guards for borrowed state, COM
// pointers and COM initialisation, BSTR and VARIANT owners.
#include <windows.h>
// After windows.h, which they rely on.
#include <oleauto.h>
#include <unknwn.h>

#include <string>
#include <utility>

namespace hv::win32 {

// A move-only owner of a handle closed by Close(h); Invalid() is the empty value.
template <class H, auto Close, H Invalid = H{}>
class Handle {
 public:
  Handle() = default;
  explicit Handle(H h) : h_(h) {}
  ~Handle() { reset(); }
  Handle(Handle&& o) noexcept : h_(std::exchange(o.h_, Invalid)) {}
  Handle& operator=(Handle&& o) noexcept {
    if (this != &o) {
      reset();
      h_ = std::exchange(o.h_, Invalid);
    }
    return *this;
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  H get() const { return h_; }
  explicit operator bool() const { return h_ != Invalid; }
  H release() { return std::exchange(h_, Invalid); }
  void reset(H h = Invalid) {
    if (h_ != Invalid) Close(h_);
    h_ = h;
  }

 private:
  H h_ = Invalid;
};

inline void CloseKernel(HANDLE h) { ::CloseHandle(h); }
inline void CloseKey(HKEY k) { ::RegCloseKey(k); }
inline void DeleteGdi(HGDIOBJ o) { ::DeleteObject(o); }
inline void DeleteMemDc(HDC dc) { ::DeleteDC(dc); }
inline void DestroyWin(HWND w) { ::DestroyWindow(w); }
inline void DestroyMenuHandle(HMENU m) { ::DestroyMenu(m); }

using KernelHandle = Handle<HANDLE, CloseKernel>;
using RegKey = Handle<HKEY, CloseKey>;
using MemDc = Handle<HDC, DeleteMemDc>;
using OwnedWindow = Handle<HWND, DestroyWin>;
using OwnedMenu = Handle<HMENU, DestroyMenuHandle>;
template <class T>
using GdiObject = Handle<T, DeleteGdi>;

// Selects an object into a DC for the guard's lifetime.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(::SelectObject(dc, obj)) {}
  ~SelectGuard() { ::SelectObject(dc_, old_); }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

class PaintGuard {
 public:
  explicit PaintGuard(HWND w) : w_(w) { dc_ = ::BeginPaint(w, &ps_); }
  ~PaintGuard() { ::EndPaint(w_, &ps_); }
  PaintGuard(const PaintGuard&) = delete;
  PaintGuard& operator=(const PaintGuard&) = delete;
  HDC dc() const { return dc_; }
  const PAINTSTRUCT& ps() const { return ps_; }

 private:
  HWND w_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

class WindowDc {
 public:
  explicit WindowDc(HWND w) : w_(w), dc_(::GetDC(w)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(w_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND w_;
  HDC dc_;
};

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() { reset(); }
  ComPtr(ComPtr&& o) noexcept : p_(std::exchange(o.p_, nullptr)) {}
  ComPtr& operator=(ComPtr&& o) noexcept {
    if (this != &o) {
      reset();
      p_ = std::exchange(o.p_, nullptr);
    }
    return *this;
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  T** put() {
    reset();
    return &p_;
  }
  void reset() {
    if (p_) std::exchange(p_, nullptr)->Release();
  }

 private:
  T* p_ = nullptr;
};

class ComInit {
 public:
  ComInit() : hr_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComInit() {
    if (SUCCEEDED(hr_)) ::CoUninitialize();
  }
  ComInit(const ComInit&) = delete;
  ComInit& operator=(const ComInit&) = delete;
  bool ok() const { return SUCCEEDED(hr_); }

 private:
  HRESULT hr_;
};

class Bstr {
 public:
  explicit Bstr(const wchar_t* s) : b_(::SysAllocString(s)) {}
  ~Bstr() { ::SysFreeString(b_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return b_; }

 private:
  BSTR b_;
};

class ComVariant {
 public:
  ComVariant() { ::VariantInit(&v_); }
  ~ComVariant() { ::VariantClear(&v_); }
  ComVariant(const ComVariant&) = delete;
  ComVariant& operator=(const ComVariant&) = delete;
  VARIANT* put() {
    ::VariantClear(&v_);
    return &v_;
  }
  const VARIANT& get() const { return v_; }

 private:
  VARIANT v_;
};

// UTF-8 <-> UTF-16 at the API boundary.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& utf16);
std::string Narrow(const wchar_t* utf16, int length);

}  // namespace hv::win32
