#ifndef LGUIAPPLICATIONHELPER_H
#define LGUIAPPLICATIONHELPER_H

#include "lapplicationhelper.h"

#include <QColor>
#include <QObject>
#include <QStringList>

class LSingleInstance;

/*
 * Application-wide services of the toolkit: the per-user single instance
 * with the hand-over of later processes' arguments, and colour helpers.
 */
class LGuiApplicationHelper : public QObject, public LApplicationHelper
{
    Q_OBJECT
public:
    enum SingleScope { UserScope, WorldScope };
    enum ColorType { UnknownType, LightType, DarkType };

    static LGuiApplicationHelper *instance();

    /*
     * Claims the key for this process. Returns false when another process of
     * the same user already holds it; this process's pid and arguments have
     * then been handed to that process, which emits newProcessInstance().
     */
    static bool setSingleInstance(const QString &key, SingleScope scope = UserScope);

    static ColorType toColorType(const QColor &color);
    // Shifts lightness and alpha by the given percentages (-100..100).
    static QColor adjustColor(const QColor &base, int lightnessPercent, int alphaPercent = 0);

signals:
    void newProcessInstance(qint64 pid, const QStringList &arguments);

private:
    explicit LGuiApplicationHelper(QObject *parent = nullptr);
    ~LGuiApplicationHelper() override;

    LSingleInstance *m_singleInstance = nullptr;
};

#endif // LGUIAPPLICATIONHELPER_H
