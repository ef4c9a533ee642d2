#include "dialog_template.h"

namespace {

// Reads the little-endian fields in order; past the end it yields zeros and
// remembers that the data was short.
class TemplateReader {
 public:
  TemplateReader(const void* data, std::size_t size)
      : bytes_(static_cast<const BYTE*>(data)), size_(size) {}

  bool overran() const { return overran_; }

  BYTE byte() {
    if (offset_ >= size_) {
      overran_ = true;
      return 0;
    }
    return bytes_[offset_++];
  }

  WORD word() {
    const WORD low = byte();
    const WORD high = byte();
    return static_cast<WORD>(low | high << 8);
  }

  DWORD dword() {
    const DWORD low = word();
    const DWORD high = word();
    return low | high << 16;
  }

  short coordinate() { return static_cast<short>(word()); }

  std::wstring text() {
    std::wstring result;
    for (WORD c = word(); c != 0 && !overran_; c = word()) result += static_cast<wchar_t>(c);
    return result;
  }

  // 0x0000: absent; 0xFFFF: an ordinal follows; otherwise a text.
  NameOrOrdinal name_or_ordinal() {
    NameOrOrdinal field;
    const WORD first = word();
    if (first == 0xFFFF) {
      field.ordinal = word();
    } else if (first != 0) {
      field.text = static_cast<wchar_t>(first) + text();
    }
    return field;
  }

  // Every control entry starts on a four-byte boundary of the template.
  void align_to_dword() { offset_ = (offset_ + 3) & ~static_cast<std::size_t>(3); }
  void skip(std::size_t count) { offset_ += count; }

 private:
  const BYTE* bytes_;
  std::size_t size_;
  std::size_t offset_ = 0;
  bool overran_ = false;
};

DialogItem read_item(TemplateReader& reader) {
  reader.align_to_dword();
  DialogItem item;
  reader.dword();  // help id
  item.ex_style = reader.dword();
  item.style = reader.dword();
  item.x = reader.coordinate();
  item.y = reader.coordinate();
  item.width = reader.coordinate();
  item.height = reader.coordinate();
  item.id = reader.dword();
  item.window_class = reader.name_or_ordinal();
  item.text = reader.name_or_ordinal();
  reader.skip(reader.word());  // creation data
  return item;
}

}  // namespace

DialogTemplate read_dialog_template(const void* data, std::size_t size) {
  TemplateReader reader(data, size);
  DialogTemplate dialog;
  dialog.version = reader.word();
  dialog.signature = reader.word();
  if (dialog.version != 1 || dialog.signature != 0xFFFF) return dialog;
  reader.dword();  // help id
  dialog.ex_style = reader.dword();
  dialog.style = reader.dword();
  const WORD item_count = reader.word();
  dialog.x = reader.coordinate();
  dialog.y = reader.coordinate();
  dialog.width = reader.coordinate();
  dialog.height = reader.coordinate();
  dialog.menu = reader.name_or_ordinal();
  dialog.window_class = reader.name_or_ordinal();
  dialog.title = reader.text();
  if (dialog.style & (DS_SETFONT | DS_SHELLFONT)) {
    dialog.point_size = reader.word();
    reader.word();  // weight
    reader.byte();  // italic
    reader.byte();  // character set
    dialog.typeface = reader.text();
  }
  for (WORD i = 0; i < item_count && !reader.overran(); ++i) dialog.items.push_back(read_item(reader));
  dialog.complete = !reader.overran();
  return dialog;
}
