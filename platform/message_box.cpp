#include "platform/message_box.h"

#include "platform/gbk.h"

namespace kelp {

int ShowMessageBox(HWND owner, std::string_view gbkText, std::string_view gbkCaption, UINT type) {
  return MessageBoxW(owner, Widen(gbkText).c_str(), Widen(gbkCaption).c_str(), type);
}

}  // namespace kelp
