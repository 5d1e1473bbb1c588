#ifndef BOTTLETEMPLATE_H
#define BOTTLETEMPLATE_H

#include <QString>

#include <atomic>

/*
 * A pristine 64-bit prefix with the default font registry, made once per
 * Wine build under ~/.cache/lirvan-wine-assist/templates/<key>/ and copied
 * into a bottle instead of letting Wine create the bottle from scratch,
 * which takes many times longer. The generic bottle that fixbottle.sh makes
 * of a bare one (folders only, as the default bottle archive unpacks) has a
 * template of its own beside it, generic-<key>-<script>/. The key names the Wine build (its version
 * text, the loader's and wine.inf's size and time), the font registry and
 * what the user folders of a prefix depend on (user, home, XDG folders), so
 * a copy is the prefix that Wine would have made for this user now.
 *
 * Several installations, threads or processes, share the templates folder
 * through a lock file: copies hold it shared, the one that builds or removes
 * a template holds it alone. A template is built in a temporary folder and
 * renamed into place when complete, so nobody copies a half-made prefix;
 * building one removes those of other keys. After each bottle a spare copy
 * is made in the background, so that the next bottle is only a rename.
 *
 * Everything here blocks: call it on a task thread, never the GUI thread.
 */
class BottleTemplate
{
public:
    enum class CopyResult {
        Copied, // the bottle is a complete copy of the template
        Fallback, // no usable template: the caller makes the bottle itself
        Cancelled // the abort flag was set; no bottle was left behind
    };

    // wine64: the 64-bit Wine that makes prefixes; fontRegistry: the .reg
    // file imported into every new prefix; fixBottle: empty for the 64-bit
    // prefix, else the script that makes the generic bottle.
    BottleTemplate(const QString &wine64, const QString &fontRegistry,
                   const QString &fixBottle = QString());
    // The template of the configured Wine build and font registry.
    static BottleTemplate fromSettings();
    // The same for the generic bottle of the configured fixbottle.sh.
    static BottleTemplate genericFromSettings();

    // ~/.cache/lirvan-wine-assist/templates/
    static QString templatesDir();
    // The folder name of this build's template; empty when Wine cannot be
    // asked for its version.
    QString buildKey(const std::atomic_bool *abort = nullptr) const;

    // Makes bottle (which must not exist yet) a copy of the template,
    // building the template first when there is none. A damaged template is
    // removed and reported as Fallback, to be built the next time.
    CopyResult copyTo(const QString &bottle, const std::atomic_bool *abort) const;
    // Builds the template unless a complete one is there; true when it is.
    bool prepare(const std::atomic_bool *abort = nullptr) const;

private:
    enum class State { Missing, Ready, Damaged };
    static State stateOf(const QString &dir);
    static bool takeSpare(const QString &dir, const QString &bottle);
    static void startSpareCopy(const QString &dir);
    CopyResult copyReady(const QString &dir, const QString &bottle,
                         const std::atomic_bool *abort) const;
    bool build(const QString &key, const std::atomic_bool *abort) const;
    bool runBuild(const QString &staging, QString &error, const std::atomic_bool *abort) const;
    QString dirName(const QString &key) const;
    bool isCurrentOtherKind(const QString &name, const QString &key) const;
    QString wineServer() const;

    QString m_wine64;
    QString m_fontRegistry;
    QString m_fixBottle;
};

#endif // BOTTLETEMPLATE_H
