// The fixed texts of the four formula tabs, as the screen shows them and the
// reports print them. Runs of blanks belong to the texts.
#include "calc/tab_texts.h"

#include <stdexcept>

namespace calc {

namespace {

const TabTexts kEngineeringNews = {
    Formula::EngineeringNews,
    "Engineering News Formular",
    "Text2",
    {0, 1, 2, 3, 4},
    {
        {"Label2", "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน)"},
        {"Label3", "น้ำหนักลูกตุ้ม (ตัน)"},
        {"Label4", "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.)"},
        {"Label6", "ประสิทธิภาพการตอกของปั้นจั่น"},
        {"Label8", "Factor of Safety ( แนะนำให้ใช้ = 4)"},
    },
    {"Label1", "Label5", "Label30", "Label32", "Label48", "Label49"},
    {
        {"Label7", "สูตร :"},
        {"Label50", "Qu = (Wh) / (S+2.54C)"},
        {"Label51", "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"},
        {"Label52", "W = น้ำหนักลูกตุ้ม (ตัน)"},
        {"Label53", "h = ระยะยกลูกตุ้ม (ซม.)"},
        {"Label54", "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย         (ซม.)"},
        {"Label55", "C = 0.9 สำหรับลูกตุ้มชนิดปล่อย Drop Hammer"},
    },
    {},
    {{3, "0.9"}, {4, "4"}},
};

const TabTexts kHiley = {
    Formula::Hiley,
    "Heiley's Formular",
    "Text16",
    {8, 0, 1, 2, 3, 4, 5, 6, 7},
    {
        {"Label16", "เสาเข็มยาว(เมตร)"},
        {"Label15", "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน)"},
        {"Label14", "น้ำหนักลูกตุ้ม (ตัน)"},
        {"Label13", "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.)"},
        {"Label10", "ความหนาของวัสดุรองหัวเสา (ซม.)"},
        {"Label12", "Coefficient of Restitution (r)"},
        {"Label11", "ประสิทธิภาพการตอกของปั้นจั่น"},
        {"Label9", "Factor of Safety (Heiley's แนะให้ใช้ = 4)"},
        {"Label26", "เสาเข็มขนาด(ซม.)"},
    },
    {"Label20", "Label22", "Label18", "Label17", "Label19", "Label21", "Label23", "Label24", "Label25", "Label27", "Label28"},
    {
        {"Label29", "Qu      =    (eWhZ) / (S+C/2)"},
        {"Label31", "e      =    (W+Pr^2) / (W+P)"},
        {"Label33", "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"},
        {"Label34", "W = น้ำหนักของลูกตุ้ม (ตัน)"},
        {"Label35", "P = น้ำหนักของเสาเข็ม (ตัน)"},
        {"Label36", "r = Coefficient of Restitution"},
        {"Label47", "ส.ป.ส. วัสดุรองหัวเสาเข็มคอรบเหล็ก : รองด้วยกระสอบป่านใช้ 0.25 , รองด้วยไม้อัดใช้ 0.40"},
        {"Label37", "h = ระยะยกลูกตุ้ม (ซม.)"},
        {"Label38", "Z = ประสิทธิภาพการตอกปั้นจั่น"},
        {"Label46", "Falling Hammer = 1                                     Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 "},
        {"Label56", "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย         (ซม.)"},
        {"Label39", "C = Temporary Compression (C1 + C2 + C3)"},
        {"Label40", "C1 = (1.8*Qu*L2) / A"},
        {"Label41", "C2 = (0.72*Qu*L) / A"},
        {"Label42", "C3 = (3.6*Qu) / A"},
        {"Label43", "L = ความยาวเสาเข็ม (ม.)"},
        {"Label44", "L2 = ความหนาวัสดุรองหัวเสาเข็ม (ซม.)"},
        {"Label45", "A = พื้นที่หน้าตัดเสาเข็ม (ตร.ซม.)"},
    },
    {{"Check8", "เสาเข็ม คสล."}, {"Check7", "เสาเข็ม คอร."}, {"Check6", "หน้าตัดสี่เหลี่ยม"}, {"Check5", "หน้าตัดกลม"}},
    {{6, "0.8"}, {7, "4"}},
};

const TabTexts kDanish = {
    Formula::Danish,
    "Danish's Formular",
    "Text15",
    {0, 1, 2, 3, 4, 5, 6, 7},
    {
        {"Label63", "เสาเข็มขนาด(ซม.)"},
        {"Label62", "เสาเข็มยาว(เมตร)"},
        {"Label61", "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน)"},
        {"Label60", "น้ำหนักลูกตุ้ม (ตัน)"},
        {"Label59", "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.)"},
        {"Label58", "ประสิทธิภาพการตอกของปั้นจั่น"},
        {"Label57", "Factor of Safety ( แนะนำให้ใช้ = 5)"},
        {"Label76", "Modulas of Elastic : E (ตัน / ตร.ซม.)"},
    },
    {"Label64", "Label65", "Label66", "Label67", "Label68", "Label69", "Label70"},
    {
        {"Label71", "สูตร :"},
        {"Label72", "Qu = (eWh) / S+(0.5*sqr((eWhL) / 2AE))"},
        {"Label77", "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"},
        {"Label75", "W = น้ำหนักลูกตุ้ม (ตัน) , h = ระยะยกลูกตุ้ม (ซม.)"},
        {"Label73", "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย         (ซม.)"},
        {"Label74", "A = พื้นที่หน้าตัดเสา (ตร.ซม.)"},
        {"Label78", "E = Modulas of Elastic (ตัน / ตร.ซม.)"},
        {"Label79", "L = ความยาวเสาเข็ม (ม.)"},
    },
    {{"Check4", "เสาเข็ม คสล."}, {"Check3", "เสาเข็ม คอร."}, {"Check2", "หน้าตัดสี่เหลี่ยม"}, {"Check1", "หน้าตัดกลม"}},
    {{7, "200"}, {6, "5"}, {5, "0.8"}},
};

const TabTexts kJanbu = {
    Formula::Janbu,
    "Janbu's Formular",
    "Text19",
    {0, 1, 2, 3, 4, 5, 6},
    {
        {"Label81", "เสาเข็มขนาด(ซม.)"},
        {"Label82", "เสาเข็มยาว(เมตร)"},
        {"Label83", "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน)"},
        {"Label84", "น้ำหนักลูกตุ้ม (ตัน)"},
        {"Label85", "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.)"},
        {"Label86", "Factor of Safety  ( แนะนำให้ใช้ = 4)"},
        {"Label80", "Modulas of Elastic : E (ตัน / ตร.ซม.)"},
    },
    {"Label87", "Label88", "Label89", "Label90", "Label91", "Label92", "Label93", "Label94", "Label95", "Label96", "Label97"},
    {
        {"Label99", "Qu      =    (Wh) / (Ku*S)"},
        {"Label100", "Ku = Cd [ 1 + (1+Ld / Cd)^1/2]"},
        {"Label104", "Ld = (W*h*L) / (A*E*S^2)"},
        {"Label106", "Cd = 0.75+ [ 0.15* P / W]"},
        {"Label101", "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"},
        {"Label102", "W = น้ำหนักของลูกตุ้ม (ตัน)"},
        {"Label103", "P = น้ำหนักของเสาเข็ม (ตัน)"},
        {"Label105", "h = ระยะยกลูกตุ้ม (ซม.)"},
        {"Label110", "L = ความยาวเสาเข็ม (ม.)"},
        {"Label112", "A = พื้นที่หน้าตัดเสาเข็ม (ตร.ซม.)"},
        {"Label107", "E = Modulas of Elastic (ตัน / ตร.ซม.)"},
        {"Label98", "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย         (ซม.)"},
    },
    {{"Check9", "เสาเข็ม คสล."}, {"Check10", "เสาเข็ม คอร."}, {"Check11", "หน้าตัดสี่เหลี่ยม"}, {"Check12", "หน้าตัดกลม"}},
    {{5, "4"}, {6, "200"}},
};

}  // namespace

const TabTexts& tabTexts(Formula formula)
{
    switch (formula) {
    case Formula::EngineeringNews: return kEngineeringNews;
    case Formula::Hiley: return kHiley;
    case Formula::Danish: return kDanish;
    case Formula::Janbu: return kJanbu;
    }
    throw std::invalid_argument("unknown formula");
}

std::string fieldName(Formula formula, int index)
{
    return std::string(tabTexts(formula).fieldArray) + "(" + std::to_string(index) + ")";
}

const char* fixedCaption(Formula formula, std::string_view label)
{
    for (const NamedText& t : tabTexts(formula).fixedLabels)
        if (label == t.name) return t.text;
    for (const NamedText& t : tabTexts(formula).fieldLabels)
        if (label == t.name) return t.text;
    return nullptr;
}

}  // namespace calc
