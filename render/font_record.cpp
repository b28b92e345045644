#include "font_record.h"

#include "stand_in_fonts.h"

#include <QStringList>
#include <cmath>
#include <limits>

Text FamilyToStore(const Text& family) {
    if (family.IsEmpty() || family.Length() >= 32) return Text::FromUtf8("宋体");
    return family;
}

int EmHeightInPixels(std::int32_t points, double dotsPerInch) {
    const double pixels = std::round(double(points) * dotsPerInch / 72.0);
    if (!(pixels < double(std::numeric_limits<int>::max()))) return std::numeric_limits<int>::max();
    return pixels < 0 ? 0 : int(pixels);
}

FontRecord RecordFromDefaultFont(const QFont& defaultFont, double dotsPerInch) {
    FontRecord record;
    record.stored = true;
    record.family = Text::FromQString(defaultFont.family());
    if (defaultFont.pointSize() > 0) {
        record.size = defaultFont.pointSize();
    } else if (defaultFont.pixelSize() > 0 && dotsPerInch > 0) {
        record.size = int(std::lround(defaultFont.pixelSize() * 72.0 / dotsPerInch));
    }
    record.bold = defaultFont.weight() >= QFont::Bold;
    return record;
}

QFont RealiseFont(const FontRecord& record, const QFont& defaultFont, double dotsPerInch) {
    if (!record.stored) return defaultFont;
    QFont font(defaultFont);
    font.setFamilies(FamilyWithStandIns(record.family.ToQString()));
    const int pixels = EmHeightInPixels(record.size, dotsPerInch);
    if (pixels > 0) font.setPixelSize(pixels);
    font.setWeight(record.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    font.setStretch(QFont::AnyStretch);
    return font;
}
