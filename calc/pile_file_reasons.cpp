// The reasons a pile file cannot be read or saved: in Thai for the window's
// message boxes, in English for the command line's stderr.
#include <string>

#include "calc/formula_names.h"
#include "calc/pile_file.h"
#include "calc/pile_file_records.h"

namespace calc {

namespace {

using Kind = PileFileError::Kind;

const char* tabCaption(Formula formula) { return tabTexts(formula).caption; }

}  // namespace

std::string thaiUnsavableReason(const UnsavableField& field)
{
    const FormulaInfo& info = formulaInfo(field.formula);
    std::string symbol;
    for (const FieldSymbol& f : info.fields)
        if (f.index == field.index) symbol = f.symbol;
    return "ช่อง " + symbol + " ในแท็บ " + tabCaption(field.formula) + " มีอักขระควบคุม";
}

std::string thaiReason(const PileFileError& e)
{
    if (std::optional<std::string> reason = records_file::thaiReason(e)) return *reason;
    const std::string tab = std::string("ในแท็บ ") + tabCaption(e.formula);
    switch (e.kind) {
    case Kind::Unreadable: return "อ่านไฟล์ไม่ได้" + (e.detail.empty() ? "" : " (" + e.detail + ")");
    case Kind::Missing: return "ไม่พบไฟล์";
    case Kind::NotRegular: return "ไม่ใช่ไฟล์ แต่เป็นโฟลเดอร์หรืออุปกรณ์";
    case Kind::TooLarge: return "ไฟล์ใหญ่เกิน 16 MiB";
    case Kind::NotUtf8: return "ไฟล์ไม่ใช่ข้อความ UTF-8";
    case Kind::NotJson: return "ไม่ใช่ไฟล์ JSON";
    case Kind::NotPileFile: return "ไม่ใช่ไฟล์เสาเข็มของ Blow Count";
    case Kind::NewerVersion: return "รุ่นของไฟล์ใหม่กว่าที่โปรแกรมนี้อ่านได้";
    case Kind::BadVersion: return "รุ่นของไฟล์ไม่ถูกต้อง";
    case Kind::BadSeparator: return "ตัวคั่นทศนิยมในไฟล์ไม่ถูกต้อง";
    case Kind::BadStructure: return "โครงสร้างของไฟล์ไม่ถูกต้องที่ " + e.key;
    case Kind::FieldNotText: return "ช่อง " + e.key + " " + tab + " ไม่ใช่ข้อความ";
    case Kind::ControlCharacter: return "ช่อง " + e.key + " " + tab + " มีอักขระควบคุม";
    case Kind::BadBox:
        return (e.key == "material" ? "ชนิดเสาเข็ม " : "รูปหน้าตัด ") + tab + " ไม่ถูกต้อง";
    default: break;
    }
    return "ไฟล์ไม่ถูกต้อง";
}

std::string englishReason(const PileFileError& e)
{
    if (std::optional<std::string> reason = records_file::englishReason(e)) return *reason;
    const std::string tab = std::string(" of ") + formulaInfo(e.formula).name;
    switch (e.kind) {
    case Kind::Unreadable: return "cannot read the file: " + e.detail;
    case Kind::Missing: return "no such file";
    case Kind::NotRegular: return "not a regular file";
    case Kind::TooLarge: return "the file is larger than 16 MiB";
    case Kind::NotUtf8: return "the file is not UTF-8 text";
    case Kind::NotJson: return "not a JSON file" + (e.detail.empty() ? "" : " (" + e.detail + ")");
    case Kind::NotPileFile: return "not a Blow Count pile file (\"format\" is not \"blowcount-pile\")";
    case Kind::NewerVersion:
        return "the file's version " + e.detail + " is newer than this program reads ("
               + std::to_string(kPileFileVersion) + ")";
    case Kind::BadVersion: return "\"version\" is not a whole number from 1";
    case Kind::BadSeparator: return "\"decimal_separator\" is not one character";
    case Kind::BadStructure: return "\"" + e.key + "\" is not an object";
    case Kind::FieldNotText: return "field '" + e.key + "'" + tab + " is not a text";
    case Kind::ControlCharacter: return "field '" + e.key + "'" + tab + " holds a control character";
    case Kind::BadBox:
        return "\"" + e.key + "\"" + tab
               + (e.key == "material" ? " is not \"rc\", \"prestressed\" or null"
                                      : " is not \"square\", \"round\", a section object or null");
    default: break;
    }
    return "bad file";
}

}  // namespace calc
