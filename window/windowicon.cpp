#include "windowicon.h"

#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

QImage pngPicture(const QString &file)
{
    QImageReader reader(file, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

namespace {

class UncachedIconEngine : public QIconEngine
{
public:
    explicit UncachedIconEngine(const QStringList &files) : m_files(files)
    {
        for (const QString &file : files) {
            QImageReader reader(file, "png");
            reader.setAutoDetectImageFormat(false);
            m_sizes.append(reader.size());
        }
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest picture at least as large as asked for, or else the largest.
        qsizetype best = m_files.size() - 1;
        for (qsizetype i = 0; i < m_sizes.size(); ++i) {
            if (m_sizes[i].width() >= size.width() && m_sizes[i].height() >= size.height() &&
                m_sizes[i].width() < m_sizes[best].width())
                best = i;
        }
        // Read as an image, not as QPixmap(file), which would stay in the pixmap cache.
        const QImage image = pngPicture(m_files[best]);
        if (image.size() == size || image.isNull())
            return QPixmap::fromImage(image);
        return QPixmap::fromImage(
            image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return m_sizes; }
    QString key() const override { return QStringLiteral("tarnyx-uncached"); }
    QIconEngine *clone() const override { return new UncachedIconEngine(*this); }

private:
    QStringList m_files;
    QList<QSize> m_sizes;
};

} // namespace

QIcon uncachedIcon(const QStringList &files)
{
    return QIcon(new UncachedIconEngine(files));
}
