// The members of a dialog's Fields, each named by a member pointer: a dialog's table binds its
// controls to them, and a dialog of several objects compares them (which values the objects
// share) and writes back only those the author changed.
#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "dialogs/modal_view.h"
#include "ui/color.h"
#include "ui/font.h"

namespace dialogs {

struct FieldTypes {
  enum Type : uint8_t { None, Text, Number, Flag, Colour, Typeface };
};

// Whether two members of type `type` (a std::string, int, bool, ui::Color or ui::Font) hold the
// same value.
bool SameValue(FieldTypes::Type type, const void* a, const void* b);

template <typename Fields>
class FieldOf : public FieldTypes {
 public:
  constexpr FieldOf() : type(None), text(nullptr) {}
  constexpr FieldOf(std::string Fields::*member) : type(Text), text(member) {}
  constexpr FieldOf(int Fields::*member) : type(Number), number(member) {}
  constexpr FieldOf(bool Fields::*member) : type(Flag), flag(member) {}
  constexpr FieldOf(ui::Color Fields::*member) : type(Colour), colour(member) {}
  constexpr FieldOf(ui::Font Fields::*member) : type(Typeface), typeface(member) {}

  // The member in `f`; its type is the one named by `type`.
  void* In(Fields& f) const {
    return type == Text       ? static_cast<void*>(&(f.*text))
           : type == Number   ? static_cast<void*>(&(f.*number))
           : type == Flag     ? static_cast<void*>(&(f.*flag))
           : type == Colour   ? static_cast<void*>(&(f.*colour))
           : type == Typeface ? static_cast<void*>(&(f.*typeface))
                              : nullptr;
  }
  const void* In(const Fields& f) const { return In(const_cast<Fields&>(f)); }

  friend constexpr bool operator==(const FieldOf& a, const FieldOf& b) {
    if (a.type != b.type) return false;
    switch (a.type) {
      case Text:
        return a.text == b.text;
      case Number:
        return a.number == b.number;
      case Flag:
        return a.flag == b.flag;
      case Colour:
        return a.colour == b.colour;
      case Typeface:
        return a.typeface == b.typeface;
      default:
        return true;
    }
  }

  Type type;

 private:
  union {
    std::string Fields::*text;
    int Fields::*number;
    bool Fields::*flag;
    ui::Color Fields::*colour;
    ui::Font Fields::*typeface;
  };
};

// The members a dialog of several objects compares and writes back, each with the bit of its
// place in the list. Empty for the dialogs that edit one record only.
template <typename Fields>
inline constexpr std::span<const FieldOf<Fields>> kFieldList{};

// The place of `member` in its list; -1 when the list does not name it.
template <typename Fields>
constexpr int FieldIndex(FieldOf<Fields> member) {
  for (size_t i = 0; i < kFieldList<Fields>.size(); ++i) {
    if (kFieldList<Fields>[i] == member) return static_cast<int>(i);
  }
  return -1;
}

// Not defined, and no constant: reached only for a member its Fields' list lacks.
void MemberNotInTheFieldsList();

// The bit of a listed member, known while compiling: a member left out of the list does not
// compile.
template <typename Fields, typename T>
consteval FieldMask Bit(T Fields::*member) {
  const int index = FieldIndex<Fields>(member);
  if (index < 0) MemberNotInTheFieldsList();  // a call no constant evaluation can make
  return FieldMask{1} << index;
}

// The members in which `a` and `b` differ.
template <typename Fields>
FieldMask Differing(const Fields& a, const Fields& b) {
  FieldMask differing = 0;
  for (size_t i = 0; i < kFieldList<Fields>.size(); ++i) {
    const FieldOf<Fields>& member = kFieldList<Fields>[i];
    if (!SameValue(member.type, member.In(a), member.In(b))) differing |= FieldMask{1} << i;
  }
  return differing;
}

}  // namespace dialogs
