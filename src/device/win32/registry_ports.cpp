// The serial ports of a Windows machine, as the registry's map of serial
// devices lists them.

#include <windows.h>

#include <string>

#include "device/port_discovery.h"

namespace km62rx::device {
namespace {

std::string Utf8(const wchar_t* text, int length) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(size > 0 ? static_cast<std::size_t>(size) : 0, '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

}  // namespace

std::vector<PortDescription> EnumerateSerialPorts() {
  std::vector<PortDescription> ports;
  HKEY map = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                    &map) != ERROR_SUCCESS)
    return ports;
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
    int length = static_cast<int>(dataSize / sizeof(wchar_t));
    while (length > 0 && data[length - 1] == L'\0')
      --length;
    PortDescription port;
    port.name = Utf8(data, length);
    port.location = "\\\\.\\" + port.name;
    ports.push_back(std::move(port));
  }
  RegCloseKey(map);
  return ports;
}

}  // namespace km62rx::device
