#include "calc/messages.h"

#include "calc/numbers.h"

namespace calc::messages {

const char* const kIncomplete = "คุณป้อนข้อมูลไม่ครบ";
const char* const kNotANumber = "ข้อมูลต้องเป็นตัวเลข";
const char* const kNotPositive = "ค่านี้ต้องมากกว่าศูนย์";
const char* const kNegative = "ค่าที่ได้ติดลบ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน";
const char* const kZeroSet = "ค่าที่ได้เป็นศูนย์ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน";
const char* const kOutOfRange = "ผลการคำนวณเกินขอบเขต กรุณาตรวจสอบข้อมูล";

std::string dropTooHigh(double hmax, std::string_view decimalSeparator)
{
    return std::string("ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า ")
        + numberText(roundHalfEven(hmax, 0), decimalSeparator) + "  ซม." + " ควรลดลงมาอีก";
}

}  // namespace calc::messages
