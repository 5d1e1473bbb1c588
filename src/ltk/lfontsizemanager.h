#ifndef LFONTSIZEMANAGER_H
#define LFONTSIZEMANAGER_H

#include <QFont>
#include <QObject>
#include <QPointer>

class QWidget;

/*
 * Fonts by size class. A bound widget gets the pixel size of its class,
 * derived from the base size, and follows later changes of the base size.
 */
class LFontSizeManager : public QObject
{
    Q_OBJECT
public:
    enum SizeType { T1, T2, T3, T4, T5, T6, T7, T8, T9, T10, NSizeTypes };

    static LFontSizeManager *instance();

    void bind(QWidget *widget, SizeType type, int weight = -1);
    void unbind(QWidget *widget);

    int fontPixelSize(SizeType type) const;
    QFont get(SizeType type, const QFont &base = QFont()) const;

    int baseFontPixelSize() const { return m_basePixelSize; }
    void setBaseFontPixelSize(int size);

signals:
    void fontChanged();

private:
    explicit LFontSizeManager(QObject *parent = nullptr);
    void apply(QWidget *widget, SizeType type, int weight) const;

    struct Binding
    {
        QPointer<QWidget> widget;
        SizeType type;
        int weight;
    };
    QList<Binding> m_bindings;
    int m_basePixelSize = 14;
};

#endif // LFONTSIZEMANAGER_H
