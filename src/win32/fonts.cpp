#include "win32/fonts.h"

#include <cwchar>
#include <string>

#include "win32/dpi.h"
#include "win32/wide_text.h"

namespace km62rx::win32 {
namespace {

bool FaceInstalled(const std::wstring& face) {
  if (face.size() >= LF_FACESIZE)
    return false;
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(query.lfFaceName, face.c_str(), LF_FACESIZE - 1);
  bool found = false;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(
      screen, &query,
      [](const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) -> int {
        *reinterpret_cast<bool*>(found) = true;
        return 0;
      },
      reinterpret_cast<LPARAM>(&found), 0);
  ReleaseDC(nullptr, screen);
  return found;
}

}  // namespace

std::wstring FirstInstalledFace(const ui::FontDescription& description) {
  for (std::string_view face : description.faces) {
    std::wstring wide = Widen(face);
    if (FaceInstalled(wide))
      return wide;
  }
  return {};
}

FontHandle MakeFont(const ui::FontDescription& description, UINT dpi) {
  LOGFONTW font{};
  font.lfHeight = description.pixelSize > 0
                      ? -Scale(description.pixelSize, dpi)
                      : -MulDiv(description.pointSize, static_cast<int>(dpi), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = SHIFTJIS_CHARSET;
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  font.lfQuality = DEFAULT_QUALITY;
  std::wcsncpy(font.lfFaceName, FirstInstalledFace(description).c_str(), LF_FACESIZE - 1);
  return FontHandle(CreateFontIndirectW(&font));
}

}  // namespace km62rx::win32
