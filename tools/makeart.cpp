// Renders the program's pictures: the window and file icon (80 × 80, 256 colours, as .ico and
// .png), larger window icons and the desktop icon theme's sizes, and the 205 × 101 JPEG banner
// with a double-size copy for high-DPI screens. The JPEGs are the banner's source; the program
// shows PNG copies of them, decoded here, so that it needs no JPEG decoder.
// Usage: makeart <output folder>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtEndian>

#include <cstdio>
#include <utility>

namespace {

QImage renderIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal unit = size / 80.0;
    painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 2 * unit));
    painter.drawRoundedRect(QRectF(2 * unit, 2 * unit, 76 * unit, 76 * unit), 10 * unit, 10 * unit);
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(qRound(40 * unit));
    painter.setFont(font);
    painter.setPen(QColor(0x00, 0xFF, 0x00));
    painter.drawText(QRectF(4 * unit, 4 * unit, 38 * unit, 46 * unit), Qt::AlignCenter, "x");
    painter.setPen(QColor(0xFF, 0xFF, 0x00));
    painter.drawText(QRectF(38 * unit, 4 * unit, 38 * unit, 46 * unit), Qt::AlignCenter, "y");
    painter.fillRect(QRectF(16 * unit, 54 * unit, 48 * unit, 6 * unit), Qt::white);
    painter.fillRect(QRectF(16 * unit, 66 * unit, 48 * unit, 6 * unit), Qt::white);
    return image;
}

// The banner drawn at scale times its 205 × 101 size.
QImage renderBanner(int scale)
{
    QImage image(205 * scale, 101 * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont title(QStringLiteral("Liberation Sans"));
    title.setBold(true);
    title.setPixelSize(40);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    painter.setFont(title);
    painter.setPen(QColor(0xE8, 0xE8, 0xE8));
    painter.drawText(QRect(0, 8, 205, 48), Qt::AlignCenter, "TARNYX");
    painter.fillRect(QRect(24, 60, 157, 2), QColor(0xB0, 0xB0, 0xB0));
    QFont subtitle(QStringLiteral("Liberation Sans"));
    subtitle.setPixelSize(18);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    painter.setFont(subtitle);
    painter.setPen(QColor(0xD0, 0xD0, 0xD0));
    painter.drawText(QRect(0, 64, 205, 30), Qt::AlignCenter, "EQUATIONS");
    return image;
}

void put16(QByteArray &out, quint16 v)
{
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&v), 2);
}

void put32(QByteArray &out, quint32 v)
{
    v = qToLittleEndian(v);
    out.append(reinterpret_cast<const char *>(&v), 4);
}

// A one-image .ico holding an 8-bit palette bitmap with an all-opaque mask.
QByteArray icoFile(const QImage &indexed)
{
    const int w = indexed.width(), h = indexed.height();
    const int xorRow = (w + 3) / 4 * 4, andRow = (w + 31) / 32 * 4;
    const quint32 imageSize = 40 + 256 * 4 + xorRow * h + andRow * h;
    QByteArray out;
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(char(w));
    out.append(char(h));
    out.append(char(0)); // 256 colours
    out.append(char(0));
    put16(out, 1);
    put16(out, 8);
    put32(out, imageSize);
    put32(out, 22);
    put32(out, 40);
    put32(out, quint32(w));
    put32(out, quint32(2 * h));
    put16(out, 1);
    put16(out, 8);
    put32(out, 0);
    put32(out, quint32(xorRow * h + andRow * h));
    put32(out, 0);
    put32(out, 0);
    put32(out, 256);
    put32(out, 0);
    const QList<QRgb> table = indexed.colorTable();
    for (int i = 0; i < 256; ++i) {
        QRgb c = i < table.size() ? table[i] : 0;
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append(char(0));
    }
    for (int y = h - 1; y >= 0; --y) {
        out.append(reinterpret_cast<const char *>(indexed.constScanLine(y)), w);
        out.append(QByteArray(xorRow - w, '\0'));
    }
    out.append(QByteArray(andRow * h, '\0'));
    return out;
}

bool write(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: makeart <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QImage icon =
        renderIcon(80).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
    bool ok = write(out.filePath("tarnyx.ico"), icoFile(icon));
    ok = icon.save(out.filePath("tarnyx.png")) && ok;
    for (int size : {16, 32, 48, 64, 128, 160, 256})
        ok = renderIcon(size).save(out.filePath(QString("tarnyx-%1.png").arg(size))) && ok;
    for (const auto &[scale, name] : {std::pair(1, "banner"), std::pair(2, "banner@2x")}) {
        const QString jpeg = out.filePath(QString("%1.jpg").arg(name));
        ok = renderBanner(scale).save(jpeg, "JPEG", 92) && ok;
        ok = QImage(jpeg).save(out.filePath(QString("%1.png").arg(name))) && ok;
    }
    if (!ok)
        std::fprintf(stderr, "makeart: could not write the pictures\n");
    return ok ? 0 : 1;
}
