#pragma once
// WMI over COM for the local root\cimv2 namespace. Values are handed over as the scripting
// interface hands them: 64-bit integers and date-times as their text.
#include <windows.h>
// After windows.h, which they rely on.
#include <oleauto.h>
#include <wbemcli.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/variant.h"
#include "platform/wmi.h"
#include "win32/raii.h"

namespace hv::win32 {

class WmiCom : public platform::WmiService {
 public:
  // nullptr when the locator cannot be made or the namespace cannot be opened; COM must
  // already be initialised on this thread.
  static std::unique_ptr<WmiCom> Connect();

  std::optional<std::vector<platform::WmiItem>> ExecQuery(const std::string& wql) override;

 private:
  explicit WmiCom(ComPtr<IWbemServices> services) : services_(std::move(services)) {}
  bool HasClass(const std::string& wql);
  ComPtr<IWbemServices> services_;
};

// A property's VARIANT as a Variant: strings, 8- to 64-bit integers, reals, booleans and
// one-dimensional arrays of them; anything else is Null. An unsigned 64-bit value above the
// signed range becomes its decimal text. cimType is the property's CIM type,
// which tells an unsigned 32-bit value from the signed VT_I4 that carries it.
platform::Variant FromComVariant(const VARIANT& v, CIMTYPE cimType = CIM_EMPTY);

}  // namespace hv::win32
