#include "ElementPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

enum class Shape { Square, Round, Diamond, Page, Folder, Flag };

struct Drawing {
    const char *key;
    Shape shape;
    QRgb colour;
    const char *letters;
};

// Language sections are flags with their code; every other kind has its own shape and
// colour, and a letter that names it.
const Drawing drawings[] = {
    {"termbase", Shape::Square, 0xff2f4f7f, "T"},      {"folder", Shape::Folder, 0xffd9a520, ""},
    {"container", Shape::Folder, 0xff8b6914, ""},      {"concept", Shape::Round, 0xff1e7b34, "C"},
    {"term", Shape::Page, 0xff1f5fbf, "t"},            {"attribute", Shape::Square, 0xff7f7f7f, "a"},
    {"note", Shape::Page, 0xffb8860b, "n"},            {"xref", Shape::Diamond, 0xffc0392b, ">"},
    {"responsible", Shape::Round, 0xff8e44ad, "p"},    {"responsibles", Shape::Folder, 0xff8e44ad, "P"},
    {"pub", Shape::Page, 0xff6d4c41, "b"},             {"pubs", Shape::Folder, 0xff6d4c41, "B"},
    {"subjectfield", Shape::Diamond, 0xff16a085, "s"}, {"url", Shape::Round, 0xff2980b9, "@"},
    {"subset", Shape::Square, 0xff27ae60, "u"},        {"binary", Shape::Page, 0xff34495e, "0"},
    {"figure", Shape::Square, 0xffe67e22, "f"},        {"audio", Shape::Round, 0xffd35400, "~"},
    {"video", Shape::Square, 0xff9b59b6, "v"},         {"table", Shape::Square, 0xff2c3e50, "#"},
    {"context", Shape::Page, 0xff117864, "k"},         {"conceptsystem", Shape::Diamond, 0xff1e7b34, "S"},
    {"classifsystem", Shape::Diamond, 0xff7d6608, "K"}, {"world", Shape::Round, 0xff3498db, "w"},
    {"active", Shape::Round, 0xff2ecc71, "+"},         {"inactive", Shape::Round, 0xffbdc3c7, "-"},
    {"lsen", Shape::Flag, 0xff00247d, "en"},           {"lses", Shape::Flag, 0xffc60b1e, "es"},
    {"lsde", Shape::Flag, 0xff000000, "de"},           {"lsfr", Shape::Flag, 0xff0055a4, "fr"},
    {"lsca", Shape::Flag, 0xffd4a017, "ca"},           {"lsit", Shape::Flag, 0xff009246, "it"},
    {"lssv", Shape::Flag, 0xff006aa7, "sv"},           {"lsno", Shape::Flag, 0xffba0c2f, "no"},
    {"lsnl", Shape::Flag, 0xffae1c28, "nl"},           {"lsda", Shape::Flag, 0xffc8102e, "da"},
    {"lspo", Shape::Flag, 0xff046a38, "pt"},           {"lsgen", Shape::Flag, 0xff7f8c8d, "??"},
};

QPixmap draw(const Drawing &d)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colour = QColor::fromRgba(d.colour);
    p.setPen(colour.darker(140));
    p.setBrush(colour);
    switch (d.shape) {
    case Shape::Square: p.drawRect(1, 1, 13, 13); break;
    case Shape::Round: p.drawEllipse(1, 1, 13, 13); break;
    case Shape::Diamond: p.drawPolygon(QPolygon({QPoint(8, 0), QPoint(15, 8), QPoint(8, 15), QPoint(1, 8)})); break;
    case Shape::Page: {
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(2, 1), QPoint(10, 1), QPoint(14, 5), QPoint(14, 15), QPoint(2, 15)}));
        p.setBrush(colour);
        p.drawRect(2, 11, 12, 4);
        break;
    }
    case Shape::Folder: {
        QPainterPath path;
        path.moveTo(1, 4);
        path.lineTo(6, 4);
        path.lineTo(7, 2);
        path.lineTo(14, 2);
        path.lineTo(14, 14);
        path.lineTo(1, 14);
        path.closeSubpath();
        p.drawPath(path);
        break;
    }
    case Shape::Flag: p.drawRect(0, 3, 15, 10); break;
    }
    const QString letters = QString::fromLatin1(d.letters);
    if (!letters.isEmpty()) {
        QFont font = p.font();
        font.setPixelSize(letters.size() > 1 ? 8 : 10);
        font.setBold(true);
        p.setFont(font);
        p.setPen(d.shape == Shape::Page ? colour.darker(160) : QColor(Qt::white));
        const QRect box = d.shape == Shape::Page ? QRect(2, 1, 12, 10) : QRect(0, 0, 16, 16);
        p.drawText(box, Qt::AlignCenter, letters);
    }
    return pixmap;
}

}  // namespace

void addElementPictures(ImageList &images)
{
    for (const Drawing &d : drawings)
        images.add(QString::fromLatin1(d.key), QIcon(draw(d)));
}
