#include "stand_in_fonts.h"

#include <array>

namespace {

struct StandIn {
    const char* family;
    QStringList faces;
};

// Each style keeps a face of its own: seal (no free simplified seal script exists, so
// the most archaic-looking display Song), grass, hard-pen running, signature brush,
// and for the two Latin styles a signature face paired with a CJK face.
const std::array<StandIn, 7>& StandIns() {
    static const std::array<StandIn, 7> table = {{
        {"方正小篆体", {"ZCOOL XiaoWei"}},
        {"方正黄草简体", {"Liu Jian Mao Cao"}},
        {"方正硬笔行书简体", {"Long Cang"}},
        {"琮翊签名体", {"Zhi Mang Xing"}},
        {"华文行楷", {"Dancing Script", "Ma Shan Zheng"}},
        {"华文隶书", {"Kaushan Script", "LXGW WenKai"}},
        {"宋体", {"SimSun", "Noto Serif CJK SC", "AR PL UMing CN"}},
    }};
    return table;
}

}  // namespace

QStringList FamilyWithStandIns(const QString& family) {
    QStringList families{family};
    for (const StandIn& standIn : StandIns())
        if (family == QString::fromUtf8(standIn.family)) families += standIn.faces;
    return families;
}
