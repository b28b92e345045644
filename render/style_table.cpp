#include "style_table.h"

#include "main_window_refs.h"

// clang-format off
const std::array<SignatureStyle, 6> kStyleTable = {{
    {画板1, "方正小篆体",       "篆体签", NameSource::ChineseName, 36},
    {画板2, "方正黄草简体",     "草书签", NameSource::ChineseName, 36},
    {画板3, "方正硬笔行书简体", "行书签", NameSource::ChineseName, 36},
    {画板4, "琮翊签名体",       "艺术签", NameSource::ChineseName, 36},
    {画板5, "华文行楷",         "英文签", NameSource::LatinName,   28},
    {画板6, "华文隶书",         "英文签", NameSource::LatinName,   28},
}};
// clang-format on
