#include "win32/wmi_com.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <string>
#include <utility>

#include "win32/wql_text.h"

namespace hv::win32 {
namespace {

using platform::Variant;

// A BSTR handed to us by a COM call, freed on scope exit.
class OwnedBstr {
 public:
  OwnedBstr() = default;
  ~OwnedBstr() { ::SysFreeString(b_); }
  OwnedBstr(const OwnedBstr&) = delete;
  OwnedBstr& operator=(const OwnedBstr&) = delete;
  BSTR* put() {
    ::SysFreeString(std::exchange(b_, nullptr));
    return &b_;
  }
  BSTR get() const { return b_; }

 private:
  BSTR b_ = nullptr;
};

std::string BstrText(BSTR b) {
  if (b == nullptr) return {};
  return Narrow(b, static_cast<int>(::SysStringLen(b)));
}

Variant FromUnsigned32(std::uint32_t u) {
  if (u > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
    return Variant(static_cast<std::int64_t>(u));
  }
  return Variant(static_cast<std::int32_t>(u));
}

// WMI itself hands 64-bit integers over as text, but a provider may give a VT_I8 or VT_UI8.
// An unsigned value past the signed range keeps its decimal text, as CIM's uint64 arrives.
Variant FromUnsigned64(std::uint64_t u) {
  if (u > static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()))
    return Variant(std::to_string(u));
  return Variant(static_cast<std::int64_t>(u));
}

// WMI hands uint32 properties over in a VT_I4; only the CIM type says the bits are unsigned,
// and taking them as signed would make a 3 GB AdapterRAM negative.
Variant FromScalar(const VARIANT& v, bool unsigned32) {
  switch (V_VT(&v)) {
    case VT_BSTR:
      return Variant(BstrText(V_BSTR(&v)));
    case VT_I1:
      return Variant(static_cast<std::int32_t>(V_I1(&v)));
    case VT_I2:
      return Variant(static_cast<std::int32_t>(V_I2(&v)));
    case VT_I4:
      if (unsigned32) return FromUnsigned32(static_cast<std::uint32_t>(V_I4(&v)));
      return Variant(static_cast<std::int32_t>(V_I4(&v)));
    case VT_UI1:
      return Variant(static_cast<std::int32_t>(V_UI1(&v)));
    case VT_UI2:
      return Variant(static_cast<std::int32_t>(V_UI2(&v)));
    case VT_UI4:
      return FromUnsigned32(V_UI4(&v));
    case VT_I8:
      return Variant(static_cast<std::int64_t>(V_I8(&v)));
    case VT_UI8:
      return FromUnsigned64(V_UI8(&v));
    case VT_R4:
      return Variant(static_cast<double>(V_R4(&v)));
    case VT_R8:
      return Variant(V_R8(&v));
    case VT_BOOL:
      return Variant(V_BOOL(&v) != VARIANT_FALSE);
    default:
      return Variant::Null();
  }
}

// One element of a SafeArray as a borrowed VARIANT: the element's bytes copied into the
// union (a BSTR element stays owned by the array), or the element itself for VT_VARIANT.
Variant FromElement(VARTYPE type, const unsigned char* element, unsigned int size,
                    bool unsigned32) {
  if (type == VT_VARIANT) return FromComVariant(*reinterpret_cast<const VARIANT*>(element));
  VARIANT borrowed;
  ::VariantInit(&borrowed);
  V_VT(&borrowed) = type;
  if (size > sizeof(borrowed.llVal)) return Variant::Null();
  std::memcpy(&borrowed.llVal, element, size);
  return FromScalar(borrowed, unsigned32);
}

Variant FromArray(const VARIANT& v, bool unsigned32) {
  SAFEARRAY* array = (V_VT(&v) & VT_BYREF) ? *V_ARRAYREF(&v) : V_ARRAY(&v);
  if (array == nullptr || ::SafeArrayGetDim(array) != 1) return Variant::Null();
  LONG lower = 0, upper = -1;
  if (FAILED(::SafeArrayGetLBound(array, 1, &lower)) ||
      FAILED(::SafeArrayGetUBound(array, 1, &upper))) {
    return Variant::Null();
  }
  const auto type = static_cast<VARTYPE>(V_VT(&v) & VT_TYPEMASK);
  const unsigned int size = ::SafeArrayGetElemsize(array);
  void* data = nullptr;
  if (FAILED(::SafeArrayAccessData(array, &data))) return Variant::Null();
  std::vector<Variant> items;
  const auto* bytes = static_cast<const unsigned char*>(data);
  const std::int64_t count = std::int64_t{upper} - lower + 1;
  for (std::int64_t i = 0; i < count; ++i) {
    items.push_back(
        FromElement(type, bytes + static_cast<std::size_t>(i) * size, size, unsigned32));
  }
  ::SafeArrayUnaccessData(array);
  return Variant(std::move(items));
}

platform::WmiItem ItemOf(IWbemClassObject* object) {
  std::vector<std::pair<std::string, Variant>> props;
  if (FAILED(object->BeginEnumeration(WBEM_FLAG_NONSYSTEM_ONLY))) return platform::WmiItem();
  for (;;) {
    OwnedBstr name;
    ComVariant value;
    CIMTYPE type = CIM_EMPTY;
    if (object->Next(0, name.put(), value.put(), &type, nullptr) != WBEM_S_NO_ERROR) break;
    props.emplace_back(BstrText(name.get()), FromComVariant(value.get(), type));
  }
  object->EndEnumeration();
  return platform::WmiItem(std::move(props));
}

}  // namespace

Variant FromComVariant(const VARIANT& v, CIMTYPE cimType) {
  const bool unsigned32 = (cimType & ~CIM_FLAG_ARRAY) == CIM_UINT32;
  if (V_VT(&v) & VT_ARRAY) return FromArray(v, unsigned32);
  return FromScalar(v, unsigned32);
}

std::unique_ptr<WmiCom> WmiCom::Connect() {
  ComPtr<IWbemLocator> locator;
  if (FAILED(::CoCreateInstance(CLSID_WbemLocator, nullptr, CLSCTX_INPROC_SERVER, IID_IWbemLocator,
                                reinterpret_cast<void**>(locator.put())))) {
    return nullptr;
  }
  ComPtr<IWbemServices> services;
  Bstr ns(L"ROOT\\CIMV2");
  if (FAILED(locator->ConnectServer(ns.get(), nullptr, nullptr, nullptr, 0, nullptr, nullptr,
                                    services.put()))) {
    return nullptr;
  }
  // Without this the proxy would only identify us, and Windows refuses queries that need
  // impersonation. A failure is not fatal: in-process (and under Wine) queries work anyway.
  ::CoSetProxyBlanket(services.get(), RPC_C_AUTHN_WINNT, RPC_C_AUTHZ_NONE, nullptr,
                      RPC_C_AUTHN_LEVEL_CALL, RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE);
  return std::unique_ptr<WmiCom>(new WmiCom(std::move(services)));
}

std::optional<std::vector<platform::WmiItem>> WmiCom::ExecQuery(const std::string& wql) {
  Bstr language(L"WQL");
  Bstr query(Widen(wql).c_str());
  ComPtr<IEnumWbemClassObject> results;
  if (FAILED(services_->ExecQuery(language.get(), query.get(),
                                  WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                                  results.put()))) {
    return std::nullopt;
  }
  std::vector<platform::WmiItem> items;
  for (;;) {
    ComPtr<IWbemClassObject> object;
    ULONG returned = 0;
    // A semi-synchronous query reports a bad class or property here, at the first Next.
    const HRESULT hr = results->Next(static_cast<LONG>(WBEM_INFINITE), 1, object.put(), &returned);
    if (FAILED(hr)) return std::nullopt;
    if (returned == 0 || !object) break;
    items.push_back(ItemOf(object.get()));
  }
  // Wine answers a query of a class it does not have with an empty set, where Windows
  // fails it; ask for the class itself so that both report a missing class the same way.
  if (items.empty() && !HasClass(wql)) return std::nullopt;
  return items;
}

bool WmiCom::HasClass(const std::string& wql) {
  const std::optional<std::string> name = WqlClassName(wql);
  if (!name) return false;
  Bstr path(Widen(*name).c_str());
  ComPtr<IWbemClassObject> definition;
  return SUCCEEDED(services_->GetObject(path.get(), 0, nullptr, definition.put(), nullptr));
}

}  // namespace hv::win32
