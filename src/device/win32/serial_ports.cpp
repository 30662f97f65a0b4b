// The serial ports of a Windows machine: the present devices of the Ports
// class as SetupAPI lists them (with the adapter's texts and USB facts), and
// then those of the registry's map of serial devices that SetupAPI did not
// report (Wine reports only these).

#include <windows.h>
// windows.h first.
#include <devguid.h>
#include <setupapi.h>

#include <string>

#include "device/port_discovery.h"
#include "device/port_path.h"
#include "device/usb_instance_id.h"
#include "settings/windows_text.h"

namespace km62rx::device {
namespace {

// A registry string of wchars as UTF-8, without the NULs that may end it.
std::string RegistryText(const wchar_t* data, DWORD bytes) {
  int length = static_cast<int>(bytes / sizeof(wchar_t));
  while (length > 0 && data[length - 1] == L'\0')
    --length;
  return settings::windows::Narrow(std::wstring_view(data, static_cast<std::size_t>(length)));
}

std::string DeviceProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
  wchar_t text[512];
  DWORD type = 0, size = 0;
  if (!SetupDiGetDeviceRegistryPropertyW(set, &device, property, &type,
                                         reinterpret_cast<BYTE*>(text),
                                         sizeof text - sizeof(wchar_t), &size) ||
      type != REG_SZ)
    return {};
  return RegistryText(text, size);
}

// The COM name a device of the Ports class has ("PortName" of its device
// key); empty for a printer port.
std::string PortName(HDEVINFO set, SP_DEVINFO_DATA& device) {
  const HKEY key = SetupDiOpenDevRegKey(set, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
  if (key == INVALID_HANDLE_VALUE)
    return {};
  wchar_t name[256];
  DWORD type = 0, size = sizeof name - sizeof(wchar_t);
  std::string port;
  if (RegQueryValueExW(key, L"PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size) ==
          ERROR_SUCCESS &&
      type == REG_SZ)
    port = RegistryText(name, size);
  RegCloseKey(key);
  return port.size() > 3 && PortIdentity(port).starts_with("\\\\.\\COM") ? port : std::string();
}

void AddSetupApiPorts(std::vector<PortDescription>& ports) {
  const HDEVINFO set = SetupDiGetClassDevsW(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
  if (set == INVALID_HANDLE_VALUE)
    return;
  SP_DEVINFO_DATA device{};
  device.cbSize = sizeof device;
  for (DWORD index = 0; SetupDiEnumDeviceInfo(set, index, &device); ++index) {
    PortDescription port;
    port.name = PortName(set, device);
    if (port.name.empty())
      continue;
    port.location = DevicePath(port.name);
    port.description = DeviceProperty(set, device, SPDRP_FRIENDLYNAME);
    port.manufacturer = DeviceProperty(set, device, SPDRP_MFG);
    wchar_t id[512];
    DWORD size = 0;
    if (SetupDiGetDeviceInstanceIdW(set, &device, id, 512, &size)) {
      UsbInstanceFacts facts = ParseUsbInstanceId(settings::windows::Narrow(id).c_str());
      port.vendorId = facts.vendorId;
      port.productId = facts.productId;
      port.serialNumber = std::move(facts.serialNumber);
    }
    ports.push_back(std::move(port));
  }
  SetupDiDestroyDeviceInfoList(set);
}

bool Listed(const std::vector<PortDescription>& ports, const std::string& name) {
  for (const PortDescription& port : ports) {
    if (PortIdentity(port.name) == PortIdentity(name))
      return true;
  }
  return false;
}

void AddSerialMapPorts(std::vector<PortDescription>& ports) {
  HKEY map = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                    &map) != ERROR_SUCCESS)
    return;
  for (DWORD index = 0;; ++index) {
    wchar_t valueName[256];
    DWORD valueNameSize = 256;
    wchar_t data[256];
    DWORD dataSize = sizeof data;
    DWORD type = 0;
    const LONG result = RegEnumValueW(map, index, valueName, &valueNameSize, nullptr, &type,
                                      reinterpret_cast<BYTE*>(data), &dataSize);
    if (result == ERROR_NO_MORE_ITEMS)
      break;
    if (result != ERROR_SUCCESS || type != REG_SZ)
      continue;
    // The data is the port name, such as COM3, not always ended by a NUL.
    PortDescription port;
    port.name = RegistryText(data, dataSize);
    if (port.name.empty() || Listed(ports, port.name))
      continue;
    port.location = DevicePath(port.name);
    ports.push_back(std::move(port));
  }
  RegCloseKey(map);
}

}  // namespace

std::vector<PortDescription> EnumerateSerialPorts() {
  std::vector<PortDescription> ports;
  AddSetupApiPorts(ports);
  AddSerialMapPorts(ports);
  return ports;
}

}  // namespace km62rx::device
