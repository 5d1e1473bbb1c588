#ifndef INSTALLPAGEUTIL_H
#define INSTALLPAGEUTIL_H

#include <QList>
#include <QPixmap>
#include <QSize>
#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Building blocks that the pages of the install window share.
namespace InstallPage {

// A built-in SVG icon (file name under the resource prefix) drawn into a
// transparent pixmap of the given size.
QPixmap svgPixmap(const QString &fileName, const QSize &size);

// A picture file scaled to fit the size, keeping its aspect ratio; a null
// pixmap when the file cannot be read.
QPixmap scaledPicture(const QString &path, const QSize &size);

// The centred page title "本地应用安装" (local application install).
QLabel *localInstallTitle(QWidget *parent);

// The widget with `side` pixels of room to its left and right.
QHBoxLayout *withSideRoom(QWidget *widget, int side);

// The row of buttons at the bottom of a page: centred, 20 pixels apart.
QHBoxLayout *buttonRow(const QList<QWidget *> &buttons);

// Gives the button its text and room for it: the style's own size hint
// leaves long texts touching the frame.
void setButtonText(QPushButton *button, const QString &text);

} // namespace InstallPage

#endif // INSTALLPAGEUTIL_H
