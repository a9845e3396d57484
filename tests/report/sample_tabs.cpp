#include "tests/report/sample_tabs.h"

#include <stdexcept>

namespace report::samples {

std::string blanks(int count)
{
    return std::string(static_cast<std::size_t>(count), ' ');
}

TabSnapshot engineeringNews()
{
    return snapshotAfterCalculation(
        calc::Formula::EngineeringNews, {"30", "3", "100", "0.9", "4"}, {},
        {
            "น้ำหนักลูกตุ้ม = 3  ตัน",
            "ระยะยกลูกตุ้มสูงจากหัวเสา = 100  ซม.",
            "Ultimate Bearing Capacity (Qu) = 120  ตัน",
            "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.214  ซม.",
            "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก" + blanks(16) + "10 ครั้งสุดท้าย ต้องไม่เกิน  2.14  ซม.",
            "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม." + blanks(19) + "(1 ฟุต) ต้องไม่น้อยกว่า  140  ครั้ง",
        },
        0.21400006f, ".");
}

TabSnapshot hiley()
{
    calc::PileBoxes boxes;
    boxes.reinforced = true;
    boxes.square = true;
    return snapshotAfterCalculation(
        calc::Formula::Hiley, {"12", "40", "5", "100", "5", "0.25", "0.8", "4", "30"}, boxes,
        {
            "พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม.",
            "น้ำหนักเสาเข็ม =  2.592  ตัน",
            "Ultimate Bearing Capacity (Qu) = 160  ตัน",
            "Efficiency Factor (e) =  0.68",
            "ค่าการยุบตัวของวัสดุรองหัวเสาเข็ม (C1) =  0.016  ซม.",
            "ค่าการยุบตัวของเสาเข็มคอนกรีต (C2) =  1.536  ซม.",
            "ค่าการยุบตัวของดินรอบเสาเข็มและใต้เสาเข็ม (C3) =  0.64  ซม.",
            "C=C1+C2+C3 =  2.192  ซม.",
            "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.604  ซม.",
            "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก" + blanks(16) + "10 ครั้งสุดท้าย ต้องไม่เกิน  6.04  ซม.",
            "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม." + blanks(19) + "(1 ฟุต) ต้องไม่น้อยกว่า  50  ครั้ง",
        },
        0.604f, ".");
}

TabSnapshot danish()
{
    calc::PileBoxes boxes;
    boxes.reinforced = true;
    boxes.square = true;
    return snapshotAfterCalculation(
        calc::Formula::Danish, {"30", "12", "40", "3", "135", "0.8", "5", "200"}, boxes,
        {
            "พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม.",
            "น้ำหนักเสาเข็ม =  2.592  ตัน",
            "Ultimate Bearing Capacity (Qu) = 200  ตัน",
            "Elastic of Modulus (E) =  200",
            "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.581  ซม.",
            "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก" + blanks(18) + "10 ครั้งสุดท้าย ต้องไม่เกิน  5.81  ซม.",
            "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม." + blanks(19) + "(1 ฟุต) ต้องไม่น้อยกว่า  52  ครั้ง",
        },
        0.581f, ".");
}

TabSnapshot janbu()
{
    calc::PileBoxes boxes;
    boxes.reinforced = true;
    boxes.square = true;
    return snapshotAfterCalculation(
        calc::Formula::Janbu, {"30", "15", "30", "4", "70", "4", "200"}, boxes,
        {
            "พื้นที่หน้าตัดเสาเข็ม =  900  ตร.ซม.",
            "น้ำหนักเสาเข็ม =  3.24  ตัน",
            "Ultimate Bearing Capacity (Qu) = 120  ตัน",
            "Elastic of Modulus (E) =  200",
            "จากสูตร... S = (W*h) / (Qu*Ku)  ",
            "Ku = Cd [ 1 + (1+Ld / Cd)^1/2]",
            "Ld = (W*h*L) / (A*E*S^2)",
            "Cd=  0.8715",
            "ค่าเฉลี่ยการทรุดตัวของเสาเข็มจากการตอก 10 ครั้งสุดท้าย (S) ต้องไม่เกิน  0.839  ซม.",
            "ดังนั้นค่าการทรุดตัวของเสาเข็มจากการตอก" + blanks(18) + "10 ครั้งสุดท้าย ต้องไม่เกิน  8.39  ซม.",
            "หรือจำนวนครั้งในการตอกต่อระยะ 30 ซม." + blanks(19) + "(1 ฟุต) ต้องไม่น้อยกว่า  36  ครั้ง",
        },
        0.839f, ".");
}

TabSnapshot ofFormula(calc::Formula formula)
{
    switch (formula) {
    case calc::Formula::EngineeringNews: return engineeringNews();
    case calc::Formula::Hiley: return hiley();
    case calc::Formula::Danish: return danish();
    case calc::Formula::Janbu: return janbu();
    }
    throw std::invalid_argument("unknown formula");
}

}  // namespace report::samples
