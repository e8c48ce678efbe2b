// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/export.h"

#include "numbers/text.h"

namespace kasnak {

JsonWriter& JsonWriter::Open(char bracket) {
  Separate();
  out_ += bracket;
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::Close(char bracket) {
  out_ += bracket;
  first_ = false;
  return *this;
}

JsonWriter& JsonWriter::Key(std::string_view key) {
  Separate();
  Quote(key);
  out_ += ':';
  first_ = true;
  return *this;
}

JsonWriter& JsonWriter::Text(std::string_view text) {
  Separate();
  Quote(text);
  return *this;
}

JsonWriter& JsonWriter::Number(int number) {
  Separate();
  out_ += std::to_string(number);
  return *this;
}

JsonWriter& JsonWriter::Number(double number) {
  Separate();
  out_ += NumberText(Real(number));
  return *this;
}

JsonWriter& JsonWriter::Flag(bool flag) {
  Separate();
  out_ += flag ? "true" : "false";
  return *this;
}

void JsonWriter::Separate() {
  if (!first_) out_ += ',';
  first_ = false;
}

void JsonWriter::Quote(std::string_view text) {
  constexpr char kHex[] = "0123456789abcdef";
  const bool utf8 = IsUtf8(text);
  out_ += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out_ += '\\';
      out_ += c;
    } else if (byte < 0x20 || byte == 0x7F) {
      out_ += "\\u00";
      out_ += kHex[byte >> 4];
      out_ += kHex[byte & 0xF];
    } else if (byte >= 0x80 && !utf8) {
      out_ += "\\ufffd";
    } else {
      out_ += c;
    }
  }
  out_ += '"';
}

void WriteWindow(JsonWriter& json, int dpi) {
  const PixelRect form = ClientPlace(dpi, dpi);
  json.Open('{');
  json.Key("title").Text(kWindowTitle);
  json.Key("width").Number(form.width);
  json.Key("height").Number(form.height);
  json.Key("textIndent").Number(TextIndent(dpi));
  json.Key("fontPointSize").Number(kFontPointSize);
  json.Key("programName").Text(kProgramName);
  json.Key("okCaption").Text(kOkCaption);
  json.Key("firstFocus").Number(static_cast<int>(IndexOf(kFirstFocus)));
  json.Close('}');
}

void WriteControlTable(JsonWriter& json, int dpi, const Panel* lists) {
  json.Open('[');
  for (const ControlDef& def : kControls) {
    json.Open('{');
    json.Key("id").Text(ElementId(def.id));
    json.Key("group").Text(def.kind == Kind::OptionButton ? def.name : "");
    json.Key("kind").Text(KindName(def.kind));
    json.Key("caption").Text(def.caption);
    json.Key("toolTip").Text(def.toolTip);
    const PixelRect place = Place(def, dpi, dpi);
    json.Key("left").Number(place.left);
    json.Key("top").Number(place.top);
    json.Key("width").Number(place.width);
    json.Key("height").Number(place.height);
    const std::string accessibleName = AccessibleName(def.id);
    json.Key("accessibleName").Text(accessibleName);
    json.Key("name").Text(accessibleName.empty() ? std::string(def.caption) : accessibleName);
    json.Key("output").Flag(def.output);
    json.Key("maxLength").Number(def.maxLength);
    json.Key("startOn").Flag(def.startOn);
    json.Key("endsProgram").Flag(def.id == Control::ExitButton);
    if (def.kind == Kind::ComboBox) {
      json.Key("openName").Text(PromptName(def.id) + std::string(kOpenListSuffix));
      if (lists) {
        json.Key("items").Open('[');
        for (const std::string& item : lists->Items(def.id)) json.Text(item);
        json.Close(']');
      }
    }
    json.Close('}');
  }
  json.Close(']');
}

}  // namespace kasnak
