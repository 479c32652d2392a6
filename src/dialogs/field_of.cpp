// The comparison of two members of a dialog's Fields, once for every Fields.
#include "dialogs/field_of.h"

namespace dialogs {

namespace {

template <typename T>
bool Same(const void* a, const void* b) {
  return *static_cast<const T*>(a) == *static_cast<const T*>(b);
}

}  // namespace

bool SameValue(FieldTypes::Type type, const void* a, const void* b) {
  switch (type) {
    case FieldTypes::Text:
      return Same<std::string>(a, b);
    case FieldTypes::Number:
      return Same<int>(a, b);
    case FieldTypes::Flag:
      return Same<bool>(a, b);
    case FieldTypes::Colour:
      return Same<ui::Color>(a, b);
    case FieldTypes::Typeface:
      return Same<ui::Font>(a, b);
    default:
      return true;
  }
}

}  // namespace dialogs
