#pragma once
// The calculators' message texts.
#include <string>
#include <string_view>

namespace calc::messages {

extern const char* const kIncomplete;   // "คุณป้อนข้อมูลไม่ครบ"
extern const char* const kNotANumber;   // "ข้อมูลต้องเป็นตัวเลข"
extern const char* const kNotPositive;  // "ค่านี้ต้องมากกว่าศูนย์"
extern const char* const kNegative;     // "ค่าที่ได้ติดลบ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน"
extern const char* const kZeroSet;      // "ค่าที่ได้เป็นศูนย์ ควรปรับระยะยกลูกตุ้มและน้ำหนักลูกตุ้มให้เหมาะสมกัน"
extern const char* const kOutOfRange;   // "ผลการคำนวณเกินขอบเขต กรุณาตรวจสอบข้อมูล"

// "ระยะยกลูกตุ้มมากเกินไป หัวเข็มอาจระเบิดได้ ควรน้อยกว่า " + limit + "  ซม." + " ควรลดลงมาอีก",
// where limit is the number text of round(Hmax, 0) computed in double.
std::string dropTooHigh(double hmax, std::string_view decimalSeparator);

}  // namespace calc::messages
