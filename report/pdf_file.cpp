// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/pdf_file.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPixmap>
#include <QRawFont>
#include <QTextLayout>

#include <hb-subset.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <concepts>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace cramer {

namespace {

constexpr double kPointsPerInch = 72.0;
// Glyph widths and positions in a font's thousandths of its size; a glyph
// nearer than this to where the last one ended is not moved.
constexpr double kGlyphSlack = 0.5;

// A number as PDF writes it: at most three decimals, no exponent. Pages
// hold tens of thousands of them, so they are written as whole thousandths.
void appendNumber(QByteArray& out, double value)
{
    // Beyond a PDF reader's range nothing is drawn on the page anyway.
    if (!std::isfinite(value))
        value = 0;
    const auto thousandths
        = static_cast<long long>(std::llround(std::clamp(value, -32767.0, 32767.0) * 1000));
    std::array<char, 24> buffer {};
    char* end = buffer.data() + buffer.size();
    char* start = end;
    unsigned long long magnitude
        = static_cast<unsigned long long>(thousandths < 0 ? -thousandths : thousandths);
    unsigned long long fraction = magnitude % 1000;
    if (fraction != 0) {
        int digits = 3;
        while (fraction % 10 == 0) {
            fraction /= 10;
            --digits;
        }
        for (int i = 0; i < digits; ++i, fraction /= 10)
            *--start = static_cast<char>('0' + fraction % 10);
        *--start = '.';
    }
    magnitude /= 1000;
    do {
        *--start = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (thousandths < 0)
        *--start = '-';
    out.append(start, end - start);
}

// Content and dictionaries written with <<, numbers as PDF writes them.
class Writer {
public:
    explicit Writer(QByteArray& out)
        : out_(out)
    {
    }
    Writer& operator<<(double value)
    {
        appendNumber(out_, value);
        return *this;
    }
    template <std::integral Integer> Writer& operator<<(Integer value)
    {
        out_.append(QByteArray::number(value));
        return *this;
    }
    Writer& operator<<(const char* text)
    {
        out_.append(text);
        return *this;
    }
    Writer& operator<<(const QByteArray& text)
    {
        out_.append(text);
        return *this;
    }

private:
    QByteArray& out_;
};

// zlib's level 3: a 9 × 9 working's pages take 14 % more room than at
// its default level 6, and a tenth less time in all.
constexpr int kCompression = 3;

// A Flate stream's data: zlib's format, as qCompress writes it after its
// own four bytes of length.
QByteArray deflated(const QByteArray& data) { return qCompress(data, kCompression).sliced(4); }

void appendHex(QByteArray& out, unsigned value)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const char digits[] = { kDigits[(value >> 12) & 0xF], kDigits[(value >> 8) & 0xF],
        kDigits[(value >> 4) & 0xF], kDigits[value & 0xF] };
    out.append(digits, sizeof digits);
}

// A text string of the document's information, in UTF-16 with its mark.
QByteArray textString(const QString& text)
{
    QByteArray out = "<FEFF";
    for (const QChar c : text)
        appendHex(out, c.unicode());
    out.append('>');
    return out;
}

// The path's elements as PDF's path commands.
void appendPath(QByteArray& out, const QPainterPath& path)
{
    Writer w(out);
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            w << e.x << " " << e.y << " m\n";
        } else if (e.isLineTo()) {
            w << e.x << " " << e.y << " l\n";
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            w << e.x << " " << e.y << " " << c2.x << " " << c2.y << " " << end.x << " " << end.y << " c\n";
            i += 2;
        }
    }
}

// A colour's components as PDF's RGB operands.
QByteArray rgbOf(const QColor& colour)
{
    QByteArray out;
    Writer(out) << colour.redF() << " " << colour.greenF() << " " << colour.blueF();
    return out;
}

// One glyph of an embedded font: the characters it stands for and its
// width in thousandths of the font's size.
struct Glyph {
    QString characters;
    double width;
};

struct EmbeddedFont {
    QRawFont raw;
    QByteArray name;
    // No outlines to embed (not an OpenType font): glyphs are drawn as paths.
    bool asPaths;
    std::map<quint32, Glyph> glyphs;
};

// Glyphs of one font on one line, placed relative to a text item's origin
// on its baseline, in the item's units; `shown` shows them from the first
// glyph's place.
struct GlyphRun {
    int font;
    double size;
    std::vector<quint32> glyphs;
    std::vector<QPointF> positions;
    QByteArray shown;
};

// A font as a text item is set in: QFont leaves out the resolution, and
// the page number, painted on the device itself, is the same font as a
// matrix's entries laid out at 96 dpi, many times as large.
struct ItemFont {
    QFont font;
    int ascent; // in 64ths of the item's units

    bool operator==(const ItemFont&) const = default;
};

size_t qHash(const ItemFont& key, size_t seed = 0) { return qHashMulti(seed, key.font, key.ascent); }

// The glyph runs of each text met in one font.
struct FontTexts {
    QRawFont raw;
    int resource; // the embedded font `raw` is drawn in
    QHash<QString, std::vector<GlyphRun>> runs;
};

// A font's tables as HarfBuzz asks for them, each read once and kept until
// the subset is written: the subsetter reads a table after it has let go
// of the blob it was given (HarfBuzz 6.0, seen by AddressSanitizer).
class FontTables {
public:
    explicit FontTables(const QRawFont& font)
        : font_(font)
    {
    }
    ~FontTables()
    {
        for (const auto& [tag, blob] : blobs_)
            hb_blob_destroy(blob);
    }
    FontTables(const FontTables&) = delete;
    FontTables& operator=(const FontTables&) = delete;

    static hb_blob_t* reference(hb_face_t*, hb_tag_t tag, void* tables)
    {
        return hb_blob_reference(static_cast<FontTables*>(tables)->blob(tag));
    }
    hb_blob_t* blob(hb_tag_t tag)
    {
        auto known = blobs_.find(tag);
        if (known == blobs_.end()) {
            const char name[] = { char(tag >> 24), char(tag >> 16), char(tag >> 8), char(tag), 0 };
            const QByteArray table = font_.fontTable(name);
            known = blobs_
                        .emplace(tag,
                            table.isEmpty()
                                ? hb_blob_get_empty()
                                : hb_blob_create(table.constData(), static_cast<unsigned>(table.size()),
                                    HB_MEMORY_MODE_DUPLICATE, nullptr, nullptr))
                        .first;
        }
        return known->second;
    }

private:
    const QRawFont& font_;
    std::map<hb_tag_t, hb_blob_t*> blobs_;
};

QByteArray bytesOf(hb_face_t* face)
{
    hb_blob_t* blob = hb_face_reference_blob(face);
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    QByteArray bytes(data, static_cast<qsizetype>(length));
    hb_blob_destroy(blob);
    return bytes;
}

// The font cut down to `glyphs`, each keeping its index; the whole of it
// (the tables a PDF reader draws from) should the subsetter fail.
QByteArray subsetOf(const QRawFont& font, const std::map<quint32, Glyph>& glyphs)
{
    FontTables tables(font);
    hb_face_t* face = hb_face_create_for_tables(FontTables::reference, &tables, nullptr);
    QByteArray out;
    if (hb_subset_input_t* input = hb_subset_input_create_or_fail()) {
        hb_set_t* kept = hb_subset_input_glyph_set(input);
        hb_set_add(kept, 0);
        for (const auto& [glyph, _] : glyphs)
            hb_set_add(kept, glyph);
        hb_subset_input_set_flags(input, HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_NO_HINTING);
        if (hb_face_t* subset = hb_subset_or_fail(face, input)) {
            out = bytesOf(subset);
            hb_face_destroy(subset);
        }
        hb_subset_input_destroy(input);
    }
    if (out.isEmpty()) {
        hb_face_t* whole = hb_face_builder_create();
        for (const char* tag : { "head", "hhea", "maxp", "hmtx", "loca", "glyf", "CFF ", "cmap", "name",
                 "post", "OS/2", "cvt ", "fpgm", "prep" }) {
            const hb_tag_t name = HB_TAG(tag[0], tag[1], tag[2], tag[3]);
            if (hb_blob_get_length(tables.blob(name)) > 0)
                hb_face_builder_add_table(whole, name, tables.blob(name));
        }
        out = bytesOf(whole);
        hb_face_destroy(whole);
    }
    hb_face_destroy(face);
    return out;
}

// The CMap that maps `glyphs` back to the characters they stand for, for
// copying and search.
QByteArray toUnicodeMap(const std::map<quint32, Glyph>& glyphs)
{
    QByteArray map = "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
                     "/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>> def\n"
                     "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
                     "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n";
    std::vector<std::pair<quint32, QString>> mapped;
    for (const auto& [glyph, g] : glyphs) {
        if (!g.characters.isEmpty())
            mapped.emplace_back(glyph, g.characters);
    }
    // At most a hundred entries to a section.
    for (std::size_t from = 0; from < mapped.size(); from += 100) {
        const std::size_t to = std::min(mapped.size(), from + 100);
        Writer(map) << to - from << " beginbfchar\n";
        for (std::size_t i = from; i < to; ++i) {
            map.append('<');
            appendHex(map, mapped[i].first);
            map.append("> <");
            for (const QChar ch : mapped[i].second)
                appendHex(map, ch.unicode());
            map.append(">\n");
        }
        map.append("endbfchar\n");
    }
    map.append("endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n");
    return map;
}

quint16 bigEndian16(const QByteArray& table, int at)
{
    return static_cast<quint16>(
        (static_cast<unsigned char>(table[at]) << 8) | static_cast<unsigned char>(table[at + 1]));
}

// The glyphs' box from a font's head table, in thousandths of its size.
std::array<double, 4> glyphBox(const QByteArray& head)
{
    std::array<double, 4> box { 0, 0, 1000, 1000 };
    if (head.size() >= 54) {
        const double unitsPerEm = bigEndian16(head, 18);
        for (std::size_t i = 0; i < box.size(); ++i)
            box[i]
                = static_cast<qint16>(bigEndian16(head, 36 + 2 * static_cast<int>(i))) * 1000.0 / unitsPerEm;
    }
    return box;
}

} // namespace

class PdfEngine final : public QPaintEngine {
public:
    PdfEngine(const PdfFile& device)
        : QPaintEngine(PrimitiveTransform | PixmapTransform | PainterPaths | AlphaBlend | Antialiasing
            | PaintOutsidePaintEvent)
        , device_(device)
    {
        catalog_ = newObject();
        pageTree_ = newObject();
        resources_ = newObject();
        info_ = newObject();
        // 1.6 for OpenType fonts with PostScript outlines.
        out_ = "%PDF-1.6\n%\xE2\xE3\xCF\xD3\n";
    }

    QString title;
    QString creator;

    bool begin(QPaintDevice*) override
    {
        if (finished_)
            return false;
        beginPage();
        return true;
    }

    bool end() override
    {
        endPage();
        writeTail();
        finished_ = true;
        return true;
    }

    Type type() const override { return User; }

    void newPage()
    {
        endPage();
        beginPage();
    }

    QByteArray bytes() const { return finished_ ? out_ : QByteArray(); }

    void updateState(const QPaintEngineState& state) override
    {
        const DirtyFlags flags = state.state();
        if (flags & DirtyTransform) {
            painterTransform_ = state.transform();
            transform_ = painterTransform_ * toPage_;
        }
        if (flags & DirtyPen)
            pen_ = state.pen();
        if (flags & DirtyBrush)
            brush_ = state.brush();
        if (flags & DirtyClipEnabled) {
            clipEnabled_ = state.isClipEnabled();
            clipChanged_ = true;
        }
        if (flags & DirtyClipPath)
            clip(state.clipPath(), state.clipOperation());
        if (flags & DirtyClipRegion) {
            QPainterPath path;
            path.addRegion(state.clipRegion());
            clip(path, state.clipOperation());
        }
    }

    void drawPath(const QPainterPath& path) override { paint(path, true); }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override
    {
        if (count < 2)
            return;
        QPainterPath path(points[0]);
        for (int i = 1; i < count; ++i)
            path.lineTo(points[i]);
        if (mode != PolylineMode)
            path.closeSubpath();
        path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        paint(path, mode != PolylineMode);
    }

    void drawPixmap(const QRectF& target, const QPixmap& pixmap, const QRectF& source) override
    {
        drawImage(target, pixmap.toImage(), source, Qt::AutoColor);
    }

    void drawImage(
        const QRectF& target, const QImage& image, const QRectF& source, Qt::ImageConversionFlags) override;
    void drawTextItem(const QPointF& origin, const QTextItem& item) override;

private:
    int newObject()
    {
        offsets_.push_back(0);
        return static_cast<int>(offsets_.size());
    }
    void beginObject(int number)
    {
        offsets_[static_cast<std::size_t>(number - 1)] = out_.size();
        Writer(out_) << number << " 0 obj\n";
    }
    void writeStream(int number, const QByteArray& dictionary, const QByteArray& data)
    {
        const QByteArray packed = deflated(data);
        beginObject(number);
        Writer(out_) << "<<" << dictionary << " /Filter /FlateDecode /Length " << packed.size()
                     << ">>\nstream\n"
                     << packed << "\nendstream\nendobj\n";
    }

    void beginPage();
    void endPage();
    void writeTail();
    void writeFont(int resource, const EmbeddedFont& font);

    void clip(const QPainterPath& path, Qt::ClipOperation operation)
    {
        if (operation == Qt::NoClip) {
            clipEnabled_ = false;
            clips_.clear();
        } else {
            if (operation != Qt::IntersectClip)
                clips_.clear();
            clips_.push_back(painterTransform_.map(path));
            clipEnabled_ = true;
        }
        clipChanged_ = true;
    }
    // The clip as it stands, before anything is drawn: PDF's clip only
    // narrows, so a new one begins from the page's state again.
    void applyClip()
    {
        if (!clipChanged_)
            return;
        endText();
        Writer w(page_);
        if (clipOpen_) {
            w << "Q\n";
            forgetState();
            clipOpen_ = false;
        }
        if (clipEnabled_ && !clips_.empty()) {
            w << "q\n";
            for (const QPainterPath& path : clips_) {
                appendPath(page_, toPage_.map(path));
                w << (path.fillRule() == Qt::WindingFill ? "W n\n" : "W* n\n");
            }
            clipOpen_ = true;
        }
        clipChanged_ = false;
    }
    void forgetState()
    {
        stroke_.reset();
        fill_.reset();
        lineStyle_.clear();
        alphas_ = { 255, 255 };
        textFont_ = -1;
    }
    void setAlphas(int stroke, int fill)
    {
        const std::pair<int, int> wanted { stroke, fill };
        if (wanted == alphas_)
            return;
        auto known = alphaStates_.find(wanted);
        if (known == alphaStates_.end())
            known = alphaStates_.emplace(wanted, static_cast<int>(alphaStates_.size())).first;
        Writer(page_) << "/GS" << known->second << " gs\n";
        alphas_ = wanted;
    }
    void setFill(const QColor& colour)
    {
        if (fill_ != colour.rgb()) {
            Writer(page_) << rgbOf(colour) << " rg\n";
            fill_ = colour.rgb();
        }
    }
    void setStroke(const QPen& pen);
    void paint(const QPainterPath& path, bool fill);

    int resourceOf(const QRawFont& raw);
    const std::vector<GlyphRun>& runsOf(const QTextItem& item);
    void addRun(std::vector<GlyphRun>& runs, GlyphRun run);
    void endText()
    {
        if (inText_)
            page_.append("ET\n");
        inText_ = false;
    }
    void addGlyph(EmbeddedFont& font, quint32 glyph, QStringView characters);

    const PdfFile& device_;
    QByteArray out_;
    std::vector<qint64> offsets_;
    int catalog_ = 0;
    int pageTree_ = 0;
    int resources_ = 0;
    int info_ = 0;
    std::vector<int> pages_;
    bool finished_ = false;

    QByteArray page_; // the page's content
    QTransform toPage_; // from the device's units to the page's points
    QTransform painterTransform_; // from the painter's units to the device's
    QTransform transform_; // from the painter's units to the page's points
    QPen pen_;
    QBrush brush_;
    bool clipEnabled_ = false;
    bool clipChanged_ = false;
    bool clipOpen_ = false;
    std::vector<QPainterPath> clips_; // in the device's units, each narrowing the last
    // What the page's state holds, so that nothing is set twice.
    std::optional<QRgb> stroke_;
    std::optional<QRgb> fill_;
    QByteArray lineStyle_;
    std::pair<int, int> alphas_ { 255, 255 };
    bool inText_ = false;
    int textFont_ = -1;

    std::map<std::pair<int, int>, int> alphaStates_;
    std::vector<int> images_;
    std::vector<EmbeddedFont> fonts_;
    std::vector<std::pair<int, int>> fontObjects_; // resource number, Type0 font object
    QHash<QString, int> fontOfFace_;
    QHash<ItemFont, FontTexts> texts_;
};

void PdfEngine::beginPage()
{
    const QPageLayout& layout = device_.pageLayout();
    const QRectF paper = layout.fullRectPoints();
    const QRectF margins = layout.paintRect(QPageLayout::Point);
    const double scale = kPointsPerInch / device_.logicalDpiX();
    toPage_ = QTransform(scale, 0, 0, -scale, margins.left(), paper.height() - margins.top());
    // The painter's transform and clip go on from page to page.
    transform_ = painterTransform_ * toPage_;
    page_.clear();
    page_.reserve(1 << 16);
    forgetState();
    clipOpen_ = false;
    clipChanged_ = true;
    const int number = newObject();
    pages_.push_back(number);
    beginObject(number);
    Writer(out_) << "<</Type /Page /Parent " << pageTree_ << " 0 R /MediaBox [0 0 " << paper.width() << " "
                 << paper.height() << "] /Resources " << resources_ << " 0 R /Contents " << number + 1
                 << " 0 R>>\nendobj\n";
    newObject(); // the page's content, written at its end
}

void PdfEngine::endPage()
{
    endText();
    if (clipOpen_)
        page_.append("Q\n");
    writeStream(pages_.back() + 1, {}, page_);
}

void PdfEngine::setStroke(const QPen& pen)
{
    if (stroke_ != pen.color().rgb()) {
        Writer(page_) << rgbOf(pen.color()) << " RG\n";
        stroke_ = pen.color().rgb();
    }
    // Widths in the painter's units grow and shrink with it; a cosmetic pen
    // is as wide on every device, and 0 is the thinnest line a device draws.
    const double scale = pen.isCosmetic() ? kPointsPerInch / device_.logicalDpiX()
                                          : std::sqrt(std::abs(transform_.determinant()));
    const double width = pen.widthF() * scale;
    QByteArray style;
    Writer w(style);
    w << width << " w "
      << (pen.capStyle() == Qt::RoundCap           ? 1
                 : pen.capStyle() == Qt::SquareCap ? 2
                                                   : 0)
      << " J "
      << (pen.joinStyle() == Qt::RoundJoin          ? 1
                 : pen.joinStyle() == Qt::BevelJoin ? 2
                                                    : 0)
      << " j [";
    if (pen.style() != Qt::SolidLine) {
        // Dashes are in pen widths; a pen of width 0 counts as one pixel.
        const double unit = width > 0 ? width : kPointsPerInch / device_.logicalDpiX();
        for (const qreal dash : pen.dashPattern())
            w << dash * unit << " ";
        w << "] " << pen.dashOffset() * unit << " d\n";
    } else {
        w << "] 0 d\n";
    }
    if (style != lineStyle_) {
        page_.append(style);
        lineStyle_ = style;
    }
}

void PdfEngine::paint(const QPainterPath& path, bool fill)
{
    const bool stroke = pen_.style() != Qt::NoPen;
    fill = fill && brush_.style() != Qt::NoBrush;
    if ((!stroke && !fill) || path.isEmpty())
        return;
    applyClip();
    endText();
    setAlphas(stroke ? pen_.color().alpha() : alphas_.first, fill ? brush_.color().alpha() : alphas_.second);
    if (stroke)
        setStroke(pen_);
    if (fill)
        setFill(brush_.color());
    appendPath(page_, transform_.map(path));
    const bool evenOdd = path.fillRule() == Qt::OddEvenFill;
    page_.append(fill && stroke ? (evenOdd ? "B*\n" : "B\n") : fill ? (evenOdd ? "f*\n" : "f\n") : "S\n");
}

void PdfEngine::drawImage(
    const QRectF& target, const QImage& image, const QRectF& source, Qt::ImageConversionFlags)
{
    const QImage part = image.copy(source.toAlignedRect());
    if (part.isNull())
        return;
    applyClip();
    endText();
    const QImage rgb = part.convertToFormat(QImage::Format_RGB888);
    QByteArray pixels;
    pixels.reserve(rgb.width() * rgb.height() * 3);
    for (int y = 0; y < rgb.height(); ++y)
        pixels.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3);
    QByteArray dictionary;
    Writer d(dictionary);
    d << "/Type /XObject /Subtype /Image /Width " << rgb.width() << " /Height " << rgb.height()
      << " /ColorSpace /DeviceRGB /BitsPerComponent 8";
    if (part.hasAlphaChannel()) {
        const QImage alpha = part.convertToFormat(QImage::Format_Alpha8);
        QByteArray coverage;
        for (int y = 0; y < alpha.height(); ++y)
            coverage.append(reinterpret_cast<const char*>(alpha.constScanLine(y)), alpha.width());
        const int mask = newObject();
        QByteArray maskDictionary;
        Writer(maskDictionary) << "/Type /XObject /Subtype /Image /Width " << alpha.width() << " /Height "
                               << alpha.height() << " /ColorSpace /DeviceGray /BitsPerComponent 8";
        writeStream(mask, maskDictionary, coverage);
        d << " /SMask " << mask << " 0 R";
    }
    const int object = newObject();
    writeStream(object, dictionary, pixels);
    images_.push_back(object);
    // The image's unit square onto `target`, its first row at the top.
    const QTransform& m = transform_;
    const QPointF corner = m.map(target.bottomLeft());
    Writer(page_) << "q " << target.width() * m.m11() << " " << target.width() * m.m12() << " "
                  << -target.height() * m.m21() << " " << -target.height() * m.m22() << " " << corner.x()
                  << " " << corner.y() << " cm /Im" << images_.size() - 1 << " Do Q\n";
}

int PdfEngine::resourceOf(const QRawFont& raw)
{
    const QString face = raw.familyName() + QLatin1Char('|') + raw.styleName();
    const auto known = fontOfFace_.constFind(face);
    if (known != fontOfFace_.cend())
        return *known;
    QByteArray name = (raw.familyName() + QLatin1Char('-') + raw.styleName()).toLatin1();
    name.replace(' ', QByteArray());
    if (name.endsWith("-Regular"))
        name.chop(8);
    // An OpenType font with outlines is embedded; any other is drawn.
    const bool outlines = !raw.fontTable("head").isEmpty()
        && (!raw.fontTable("glyf").isEmpty() || !raw.fontTable("CFF ").isEmpty());
    fonts_.push_back(EmbeddedFont { raw, name, !outlines, {} });
    const int resource = static_cast<int>(fonts_.size() - 1);
    fontOfFace_.insert(face, resource);
    return resource;
}

void PdfEngine::addGlyph(EmbeddedFont& font, quint32 glyph, QStringView characters)
{
    if (font.glyphs.count(glyph))
        return;
    const QList<QPointF> advance
        = font.raw.advancesForGlyphIndexes(QList<quint32> { glyph }, QRawFont::UseDesignMetrics);
    const double size = font.raw.pixelSize();
    font.glyphs.emplace(glyph,
        Glyph { characters.toString(), advance.isEmpty() || size <= 0 ? 0.0 : advance[0].x() / size * 1000 });
}

// The glyphs of `text` in `font`, as they were laid out: each character's
// glyph in the font itself, one after the other, where the font has them
// all; otherwise as Qt lays them out, with glyphs from other fonts.
const std::vector<GlyphRun>& PdfEngine::runsOf(const QTextItem& item)
{
    const QFont font = item.font();
    const QString text = item.text();
    const ItemFont key { font, qRound(item.ascent() * 64) };
    auto texts = texts_.find(key);
    if (texts == texts_.end()) {
        const QRawFont raw = QRawFont::fromFont(font);
        texts = texts_.insert(key, FontTexts { raw, resourceOf(raw), {} });
    }
    const auto known = texts->runs.constFind(text);
    if (known != texts->runs.cend())
        return *known;
    const QRawFont* raw = &texts->raw;
    std::vector<GlyphRun> runs;
    const QList<quint32> glyphs = raw->glyphIndexesForString(text);
    const bool whole = glyphs.size() == text.size() && !glyphs.contains(0u);
    if (whole) {
        const QList<QPointF> advances = raw->advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
        GlyphRun run { texts->resource, raw->pixelSize(), {}, {}, {} };
        EmbeddedFont& embedded = fonts_[static_cast<std::size_t>(run.font)];
        QPointF at;
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            addGlyph(embedded, glyphs[i], QStringView(text).sliced(i, 1));
            run.glyphs.push_back(glyphs[i]);
            run.positions.push_back(at);
            at += advances[i];
        }
        addRun(runs, std::move(run));
    } else {
        QTextLayout layout(text, font);
        QTextOption option;
        option.setUseDesignMetrics(true);
        layout.setTextOption(option);
        layout.beginLayout();
        const QTextLine line = layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& laid : layout.glyphRuns()) {
            const QRawFont laidFont = laid.rawFont();
            GlyphRun run { resourceOf(laidFont), laidFont.pixelSize(), {}, {}, {} };
            EmbeddedFont& embedded = fonts_[static_cast<std::size_t>(run.font)];
            const QList<quint32> indexes = laid.glyphIndexes();
            const QList<QPointF> positions = laid.positions();
            for (qsizetype i = 0; i < indexes.size(); ++i) {
                // The character a glyph stands for, for copying and search.
                QString characters;
                for (const QChar c : text) {
                    if (laidFont.glyphIndexesForString(QString(c)).value(0) == indexes[i]) {
                        characters = c;
                        break;
                    }
                }
                addGlyph(embedded, indexes[i], characters);
                run.glyphs.push_back(indexes[i]);
                run.positions.push_back(positions[i] - QPointF(0, line.ascent()));
            }
            addRun(runs, std::move(run));
        }
    }
    return *texts->runs.insert(text, std::move(runs));
}

// Adds `run` line by line, each with the operands that show it: a glyph
// away from where the one before it ended is moved there.
void PdfEngine::addRun(std::vector<GlyphRun>& runs, GlyphRun run)
{
    const EmbeddedFont& font = fonts_[static_cast<std::size_t>(run.font)];
    for (std::size_t from = 0, to = 0; from < run.glyphs.size(); from = to) {
        for (to = from + 1; to < run.glyphs.size() && run.positions[to].y() == run.positions[from].y();
             ++to) { }
        const auto first = static_cast<std::ptrdiff_t>(from);
        const auto last = static_cast<std::ptrdiff_t>(to);
        GlyphRun line { run.font, run.size, { run.glyphs.begin() + first, run.glyphs.begin() + last },
            { run.positions.begin() + first, run.positions.begin() + last }, {} };
        if (!font.asPaths) {
            Writer w(line.shown);
            line.shown = "[<";
            double expected = line.positions.front().x();
            for (std::size_t i = 0; i < line.glyphs.size(); ++i) {
                if (const double shift = (line.positions[i].x() - expected) * 1000 / line.size;
                    std::abs(shift) > kGlyphSlack)
                    w << "> " << -shift << " <";
                appendHex(line.shown, line.glyphs[i]);
                expected = line.positions[i].x() + font.glyphs.at(line.glyphs[i]).width * line.size / 1000;
            }
            line.shown.append(">] TJ\n");
        }
        runs.push_back(std::move(line));
    }
}

void PdfEngine::drawTextItem(const QPointF& origin, const QTextItem& item)
{
    if (item.text().isEmpty())
        return;
    const std::vector<GlyphRun>& runs = runsOf(item);
    applyClip();
    const QColor colour = pen_.color();
    setAlphas(alphas_.first, colour.alpha());
    setFill(colour);
    const QTransform& m = transform_;
    Writer w(page_);
    for (const GlyphRun& run : runs) {
        const EmbeddedFont& font = fonts_[static_cast<std::size_t>(run.font)];
        if (font.asPaths) {
            endText();
            for (std::size_t i = 0; i < run.glyphs.size(); ++i) {
                QPainterPath outline = font.raw.pathForGlyph(run.glyphs[i]);
                outline.translate(origin + run.positions[i]);
                appendPath(page_, m.map(outline));
                w << "f\n";
            }
            continue;
        }
        if (!inText_) {
            w << "BT\n";
            inText_ = true;
        }
        if (run.font != textFont_) {
            w << "/F" << run.font << " 1 Tf\n";
            textFont_ = run.font;
        }
        const double size = run.size;
        const QPointF start = m.map(origin + run.positions.front());
        w << size * m.m11() << " " << size * m.m12() << " " << -size * m.m21() << " " << -size * m.m22()
          << " " << start.x() << " " << start.y() << " Tm " << run.shown;
    }
}

void PdfEngine::writeFont(int resource, const EmbeddedFont& font)
{
    const QByteArray subset = subsetOf(font.raw, font.glyphs);
    // Six capitals before the name say the font holds only some glyphs.
    QByteArray tag = "AAAAAA+";
    for (int i = 5, n = resource; i >= 0 && n > 0; --i, n /= 26)
        tag[i] = static_cast<char>('A' + n % 26);
    const QByteArray name = tag + font.name;
    const int type0 = newObject();
    const int cidFont = newObject();
    const int descriptor = newObject();
    const int file = newObject();
    const int toUnicode = newObject();
    const bool cff = !font.raw.fontTable("CFF ").isEmpty();

    fontObjects_.emplace_back(resource, type0);
    beginObject(type0);
    Writer(out_) << "<</Type /Font /Subtype /Type0 /BaseFont /" << name
                 << " /Encoding /Identity-H /DescendantFonts [" << cidFont << " 0 R] /ToUnicode " << toUnicode
                 << " 0 R>>\nendobj\n";

    beginObject(cidFont);
    Writer c(out_);
    c << "<</Type /Font /Subtype /" << (cff ? "CIDFontType0" : "CIDFontType2") << " /BaseFont /" << name
      << " /CIDSystemInfo <</Registry (Adobe) /Ordering (Identity) /Supplement 0>> /FontDescriptor "
      << descriptor << " 0 R" << (cff ? "" : " /CIDToGIDMap /Identity") << " /W [";
    for (auto g = font.glyphs.cbegin(); g != font.glyphs.cend();) {
        c << g->first << " [";
        quint32 next = g->first;
        for (; g != font.glyphs.cend() && g->first == next; ++g, ++next)
            c << g->second.width << " ";
        c << "] ";
    }
    c << "]>>\nendobj\n";

    const double size = font.raw.pixelSize();
    const std::array<double, 4> box = glyphBox(font.raw.fontTable("head"));
    const bool italic = font.raw.style() != QFont::StyleNormal;
    beginObject(descriptor);
    Writer(out_) << "<</Type /FontDescriptor /FontName /" << name << " /Flags " << (italic ? 4 + 64 : 4)
                 << " /FontBBox [" << box[0] << " " << box[1] << " " << box[2] << " " << box[3]
                 << "] /ItalicAngle " << (italic ? -12 : 0) << " /Ascent " << font.raw.ascent() / size * 1000
                 << " /Descent " << -font.raw.descent() / size * 1000 << " /CapHeight "
                 << font.raw.capHeight() / size * 1000 << " /StemV 80 /"
                 << (cff ? "FontFile3 " : "FontFile2 ") << file << " 0 R>>\nendobj\n";

    writeStream(file,
        cff ? QByteArray("/Subtype /OpenType") : "/Length1 " + QByteArray::number(subset.size()), subset);

    writeStream(toUnicode, {}, toUnicodeMap(font.glyphs));
}

void PdfEngine::writeTail()
{
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (!fonts_[i].asPaths)
            writeFont(static_cast<int>(i), fonts_[i]);
    }
    beginObject(resources_);
    Writer r(out_);
    r << "<</ProcSet [/PDF /Text /ImageB /ImageC] /Font <<";
    for (const auto& [resource, object] : fontObjects_)
        r << "/F" << resource << " " << object << " 0 R ";
    r << ">> /XObject <<";
    for (std::size_t i = 0; i < images_.size(); ++i)
        r << "/Im" << i << " " << images_[i] << " 0 R ";
    r << ">> /ExtGState <<";
    for (const auto& [alphas, number] : alphaStates_)
        r << "/GS" << number << " <</CA " << alphas.first / 255.0 << " /ca " << alphas.second / 255.0
          << ">> ";
    r << ">>>>\nendobj\n";

    beginObject(pageTree_);
    r << "<</Type /Pages /Count " << pages_.size() << " /Kids [";
    for (const int page : pages_)
        r << page << " 0 R ";
    r << "]>>\nendobj\n";

    beginObject(catalog_);
    r << "<</Type /Catalog /Pages " << pageTree_ << " 0 R>>\nendobj\n";

    beginObject(info_);
    r << "<</Title " << textString(title) << " /Creator " << textString(creator) << " /Producer "
      << textString(creator) << " /CreationDate (D:"
      << QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1()
      << "Z)>>\nendobj\n";

    const qsizetype table = out_.size();
    r << "xref\n0 " << offsets_.size() + 1 << "\n0000000000 65535 f \n";
    for (const qint64 offset : offsets_)
        out_.append(QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n");
    const QByteArray id = QCryptographicHash::hash(out_, QCryptographicHash::Md5).toHex().toUpper();
    r << "trailer\n<</Size " << offsets_.size() + 1 << " /Root " << catalog_ << " 0 R /Info " << info_
      << " 0 R /ID [<" << id << "> <" << id << ">]>>\nstartxref\n"
      << table << "\n%%EOF\n";
}

PdfFile::PdfFile(const QPageLayout& layout, int resolution)
    : layout_(layout)
    , resolution_(resolution)
    , engine_(std::make_unique<PdfEngine>(*this))
{
}

PdfFile::~PdfFile() = default;

void PdfFile::setTitle(const QString& title) { engine_->title = title; }

void PdfFile::setCreator(const QString& creator) { engine_->creator = creator; }

void PdfFile::setPageLayout(const QPageLayout& layout) { layout_ = layout; }

void PdfFile::newPage()
{
    if (engine_->isActive())
        engine_->newPage();
}

QByteArray PdfFile::bytes() const { return engine_->bytes(); }

QPaintEngine* PdfFile::paintEngine() const { return engine_.get(); }

int PdfFile::metric(PaintDeviceMetric metric) const
{
    const QRect pixels = layout_.paintRectPixels(resolution_);
    const QRectF millimetres = layout_.paintRect(QPageLayout::Millimeter);
    switch (metric) {
    case PdmWidth:
        return pixels.width();
    case PdmHeight:
        return pixels.height();
    case PdmWidthMM:
        return qRound(millimetres.width());
    case PdmHeightMM:
        return qRound(millimetres.height());
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return resolution_;
    case PdmNumColors:
        return std::numeric_limits<int>::max();
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}

} // namespace cramer
