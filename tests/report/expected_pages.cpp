#include "tests/report/expected_pages.h"

#include <string>

#include "tests/report/sample_tabs.h"

namespace report::expected {

namespace {

using samples::blanks;

Line plain(int x, int y, std::string text) { return {x, y, false, false, 14, std::move(text)}; }
Line bold(int x, int y, std::string text) { return {x, y, true, false, 14, std::move(text)}; }
Line underlined(int x, int y, std::string text) { return {x, y, false, true, 14, std::move(text)}; }
Line boldUnderlined(int x, int y, std::string text) { return {x, y, true, true, 14, std::move(text)}; }

const std::string kSetOfTen = "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย ต้องไม่เกิน  ";
const std::string kBlows = "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม.(1 ฟุต) ต้องไม่น้อยกว่า  ";
const std::string kSetLine = "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  ";
const std::string kDefinitionOfS = "S = ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย" + blanks(9) + "(ซม.)";

}  // namespace

std::vector<Line> engineeringNewsPage()
{
    return {
        bold(3700, 800, " รายการคำนวณ Blow Count   Engineering News Formular "),
        underlined(1000, 1400, " Criteria: "),
        plain(900, 1800, "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน) = 30"),
        plain(900, 2100, "น้ำหนักลูกตุ้ม (ตัน) = 3"),
        plain(900, 2400, "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 100"),
        plain(900, 2700, "ประสิทธิภาพการตอกของปั้นจั่น = 0.9"),
        plain(900, 3000, "Factor of Safety ( แนะนำให้ใช้ = 4) = 4"),
        boldUnderlined(900, 3400, "ผลการคำนวณ :"),
        plain(900, 3700, "น้ำหนักลูกตุ้ม = 3  ตัน"),
        plain(900, 4000, "ระยะยกลูกตุ้มสูงจากหัวเสา = 100  ซม."),
        plain(900, 4300, "Ultimate Bearing Capacity (Qu) = 120  ตัน"),
        plain(900, 4600, kSetLine + "0.214  ซม."),
        boldUnderlined(900, 4900, kSetOfTen + "2.140001  ซม."),
        boldUnderlined(900, 5200, kBlows + "140  ครั้ง"),
        boldUnderlined(900, 5600, "Engineering News Formular"),
        bold(1500, 5900, "Qu = (Wh) / (S+2.54C)"),
        plain(900, 6200, "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"),
        plain(900, 6500, "W = น้ำหนักลูกตุ้ม (ตัน)"),
        plain(900, 6800, "h = ระยะยกลูกตุ้ม (ซม.)"),
        plain(900, 7100, kDefinitionOfS),
        plain(900, 7400, "C = 0.9 สำหรับลูกตุ้มชนิดปล่อย Drop Hammer"),
    };
}

std::vector<Line> hileyPage()
{
    return {
        bold(3900, 800, " รายการคำนวณ Blow Count   Heiley's Formular "),
        underlined(1000, 1400, " Criteria: "),
        plain(900, 1800, "เสาเข็มสี่เหลี่ยม คสล."),
        plain(900, 2100, "เสาเข็มขนาด(ซม.) = 30"),
        plain(900, 2400, "เสาเข็มยาว(เมตร) = 12"),
        plain(900, 2700, "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน) = 40"),
        plain(900, 3000, "น้ำหนักลูกตุ้ม (ตัน) = 5"),
        plain(900, 3300, "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 100"),
        plain(900, 3600, "ความหนาของวัสดุรองหัวเสา (ซม.) = 5"),
        plain(900, 3900, "Coefficient of Restitution (r) = 0.25"),
        plain(900, 4200, "ประสิทธิภาพการตอกของปั้นจั่น = 0.8"),
        plain(900, 4500, "Factor of Safety (Heiley's แนะให้ใช้ = 4) = 4"),
        boldUnderlined(1000, 4900, "ผลการคำนวณ :"),
        plain(900, 5200, "พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม."),
        plain(900, 5500, "น้ำหนักเสาเข็ม =  2.592  ตัน"),
        plain(900, 5800, "Ultimate Bearing Capacity (Qu) = 160  ตัน"),
        plain(900, 6100, "Efficiency Factor (e) =  0.68"),
        plain(900, 6400, "ค่าการยุบตัวของวัสดุรองหัวเสาเข็ม (C1) =  0.016  ซม."),
        plain(900, 6700, "ค่าการยุบตัวของเสาเข็มคอนกรีต (C2) =  1.536  ซม."),
        plain(900, 7000, "ค่าการยุบตัวของดินรอบเสาเข็มและใต้เสาเข็ม (C3) =  0.64  ซม."),
        plain(900, 7300, "C=C1+C2+C3 =  2.192  ซม."),
        plain(900, 7600, kSetLine + "0.604  ซม."),
        boldUnderlined(900, 7900, kSetOfTen + "6.04  ซม."),
        boldUnderlined(900, 8200, kBlows + "50  ครั้ง"),
        boldUnderlined(1000, 8600, "Heiley's Formular"),
        bold(1500, 8900, "Qu" + blanks(6) + "=" + blanks(4) + "(eWhZ) / (S+C/2)"),
        bold(1300, 9200, "e" + blanks(6) + "=" + blanks(4) + "(W+Pr^2) / (W+P)"),
        plain(900, 9500, "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"),
        plain(900, 9800, "W = น้ำหนักของลูกตุ้ม (ตัน)"),
        plain(900, 10100, "P = น้ำหนักของเสาเข็ม (ตัน)"),
        plain(900, 10400, "r = Coefficient of Restitution"),
        plain(1000, 10700, "ส.ป.ส. วัสดุรองหัวเสาเข็มคอรบเหล็ก : รองด้วยกระสอบป่านใช้ 0.25 , รองด้วยไม้อัดใช้ 0.40"),
        plain(900, 11000, "h = ระยะยกลูกตุ้ม (ซม.)"),
        plain(900, 11300, "Z = ประสิทธิภาพการตอกปั้นจั่น"),
        plain(1000, 11600, "Falling Hammer = 1" + blanks(37) + "Drop Hammer (ลูกตุ้มชนิดปล่อย) = 0.80 "),
        plain(900, 11900, "C = Temporary Compression (C1 + C2 + C3)"),
        plain(1000, 12200, "C1 = (1.8*Qu*L2) / A"),
        plain(1000, 12500, "C2 = (0.72*Qu*L) / A"),
        plain(1000, 12800, "C3 = (3.6*Qu) / A"),
        plain(1200, 13100, "L = ความยาวเสาเข็ม (ม.)"),
        plain(1200, 13400, "L2 = ความหนาวัสดุรองหัวเสาเข็ม (ซม.)"),
        plain(1200, 13700, "A = พื้นที่หน้าตัดเสาเข็ม (ตร.ซม.)"),
    };
}

std::vector<Line> danishPage()
{
    return {
        bold(3900, 800, " รายการคำนวณ Blow Count   Danish's Formular "),
        underlined(1000, 1400, " Criteria: "),
        plain(900, 1800, "เสาเข็มสี่เหลี่ยม คสล."),
        plain(900, 2100, "เสาเข็มขนาด(ซม.) = 30"),
        plain(900, 2400, "เสาเข็มยาว(เมตร) = 12"),
        plain(900, 2700, "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน) = 40"),
        plain(900, 3000, "น้ำหนักลูกตุ้ม (ตัน) = 3"),
        plain(900, 3300, "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 135"),
        plain(900, 3600, "ประสิทธิภาพการตอกของปั้นจั่น = 0.8"),
        plain(900, 3900, "Factor of Safety ( แนะนำให้ใช้ = 5) = 5"),
        plain(900, 4200, "Modulas of Elastic : E (ตัน / ตร.ซม.) = 200"),
        boldUnderlined(1000, 4600, "ผลการคำนวณ :"),
        plain(900, 4900, "พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม."),
        plain(900, 5200, "น้ำหนักเสาเข็ม =  2.592  ตัน"),
        plain(900, 5500, "Ultimate Bearing Capacity (Qu) = 200  ตัน"),
        plain(900, 5800, "Elastic of Modulus (E) =  200"),
        plain(900, 6100, kSetLine + "0.581  ซม."),
        boldUnderlined(900, 6400, kSetOfTen + "5.809999  ซม."),
        boldUnderlined(900, 6700, kBlows + "52  ครั้ง"),
        boldUnderlined(1000, 7100, "Danish's Formular"),
        bold(1500, 7400, "Qu = (eWh) / S+(0.5*sqr((eWhL) / 2AE))"),
        bold(900, 7700, "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"),
        plain(900, 8000, "W = น้ำหนักลูกตุ้ม (ตัน) , h = ระยะยกลูกตุ้ม (ซม.)"),
        plain(900, 8300, kDefinitionOfS),
        plain(900, 8600, "A = พื้นที่หน้าตัดเสา (ตร.ซม.)"),
        plain(900, 8900, "E = Modulas of Elastic (ตัน / ตร.ซม.)"),
        plain(900, 9200, "L = ความยาวเสาเข็ม (ม.)"),
    };
}

std::vector<Line> janbuPage()
{
    return {
        bold(3900, 800, " รายการคำนวณ Blow Count   Janbu's Formular "),
        underlined(1000, 1400, " Criteria: "),
        plain(900, 1800, "เสาเข็มสี่เหลี่ยม คสล."),
        plain(900, 2100, "เสาเข็มขนาด(ซม.) = 30"),
        plain(900, 2400, "เสาเข็มยาว(เมตร) = 15"),
        plain(900, 2700, "น้ำหนักปลอดภัยที่เสาเข็มรับได้:Qa (ตัน) = 30"),
        plain(900, 3000, "น้ำหนักลูกตุ้ม (ตัน) = 4"),
        plain(900, 3300, "ระยะยกลูกตุ้มสูงจากหัวเสา (ซม.) = 70"),
        plain(900, 3600, "Factor of Safety  ( แนะนำให้ใช้ = 4) = 4"),
        plain(900, 3900, "Modulas of Elastic : E (ตัน / ตร.ซม.) = 200"),
        boldUnderlined(1000, 4300, "ผลการคำนวณ :"),
        plain(900, 4600, "พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม."),
        plain(900, 4900, "น้ำหนักเสาเข็ม =  3.24  ตัน"),
        plain(900, 5200, "Ultimate Bearing Capacity (Qu) = 120  ตัน"),
        plain(900, 5500, "Elastic of Modulus (E) =  200"),
        plain(900, 5800, "จากสูตร... S = (W*h) / (Qu*Ku)  "),
        plain(900, 6100, "Ku = Cd [ 1 + (1+Ld / Cd)^1/2]"),
        plain(900, 6400, "Ld = (W*h*L) / (A*E*S^2)"),
        plain(900, 6700, "Cd=  0.8715"),
        plain(900, 7000, kSetLine + "0.839  ซม."),
        boldUnderlined(900, 7300, kSetOfTen + "8.389999  ซม."),
        boldUnderlined(900, 7600, kBlows + "36  ครั้ง"),
        boldUnderlined(1000, 8000, "Janbu's Formular"),
        bold(1500, 8300, "Qu" + blanks(6) + "=" + blanks(4) + "(Wh) / (Ku*S)"),
        bold(900, 8600, "Ku = Cd [ 1 + (1+Ld / Cd)^1/2]"),
        plain(900, 8900, "Ld = (W*h*L) / (A*E*S^2)"),
        plain(900, 9200, "Cd = 0.75+ [ 0.15* P / W]"),
        plain(900, 9500, "Qu = Qa*F.S. : Ultimate Bearing Capacity (ตัน)"),
        plain(900, 9800, "W = น้ำหนักของลูกตุ้ม (ตัน)"),
        plain(1000, 10100, "P = น้ำหนักของเสาเข็ม (ตัน)"),
        plain(1000, 10400, "h = ระยะยกลูกตุ้ม (ซม.)"),
        plain(1000, 10700, "L = ความยาวเสาเข็ม (ม.)"),
        plain(1000, 11000, "A = พื้นที่หน้าตัดเสาเข็ม (ตร.ซม.)"),
        plain(1000, 11300, "E = Modulas of Elastic (ตัน / ตร.ซม.)"),
        plain(1000, 11600, kDefinitionOfS),
    };
}

}  // namespace report::expected
