#!/usr/bin/env bash
# Deliberate breaks across the engine, the platform scripts and the windows,
# and whether the test programs named for each still catch them. For every
# break: apply it (one literal substitution in one file), rebuild the tests
# named for it, run them, record "caught" (a test failed) or "MISSED" (all
# passed), and put the file back. Prints a table at the end.
#
# Usage: scripts/mutation-check.sh [BUILD-DIRECTORY] [BREAK-NUMBER...]
# Without numbers every break runs; that takes long (real Wine in some).
# The tree must build and its tests pass before; files are restored even
# when the script is interrupted.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shift || true
only=" $* "

# file | text to replace | replacement | test programs | what breaks
# "\n" in the texts stands for a line break.
breaks=$(cat <<'EOF'
src/utils/jsonoperator.cpp|    if (!file.commit()) {\n        qWarning().noquote() << "Cannot save"|    file.cancelWriting();\n    if (!file.commit()) {\n        qWarning().noquote() << "Cannot save"|tst_jsonoperator|installed-apps save dropped
src/utils/jsonoperator.cpp|    top.remove(appName);|    (void)appName;|tst_jsonoperator|record kept on removal
src/utils/wineasthttpdownload.cpp|QByteArray::number(m_startSize) + '-'|QByteArray::number(m_startSize + 1) + '-'|tst_wineasthttpdownload|off-by-one in resume
src/utils/commandline.cpp|QLatin1String("\"\"\"")|QLatin1String("\"\"")|tst_shellcmd tst_unzipinfo|wrong quote of a double quote
src/utils/common.cpp|    qWarning() << failureSubject << " exit with err: " << lines.mid(qMax(0, lines.size() - 5));\n    return -1;|    qWarning() << failureSubject << " exit with err: " << lines.mid(qMax(0, lines.size() - 5));\n    return 0;|tst_shellcmd|failure reported as success
src/utils/execline.cpp|const QLatin1String execReserved("\"`$\\");|const QLatin1String execReserved("\"`\\");|tst_startmanager|$ left unescaped in Exec lines
src/utils/desktopentryfile.cpp|(key.startsWith(QLatin1String("Icon[")) && key.endsWith(QLatin1Char(']')))|key.startsWith(QLatin1String("Icon"))|tst_inioperator|other keys taken for Icon
src/utils/desktopentryfile.cpp|    const int end = groupEnd(header);\n    for (int i = header + 1; i < end; ++i) {\n        const QString &line|    const int end = m_lines.size();\n    for (int i = header + 1; i < end; ++i) {\n        const QString &line|tst_inioperator|icon of an action group counted
src/utils/desktopentryfile.cpp|    if (!file.commit()) {\n        qWarning().noquote() << "Cannot save" << m_path|    file.cancelWriting();\n    if (!file.commit()) {\n        qWarning().noquote() << "Cannot save" << m_path|tst_inioperator|desktop entry save dropped
src/utils/doaction.cpp|    if (DesktopEntryFile::isIconInUse(icon)) {|    if (false) {|tst_doaction|icon of another entry removed
src/utils/doaction.cpp|    return info.path() == QDir::cleanPath(parent)|    return info.path().startsWith(QDir::cleanPath(parent))|tst_doaction|removal outside the bottles
src/utils/unzipinfo.cpp|    if (!m_md5.isEmpty() && !WineAstHttpDownload::checkFileMD5(m_md5, m_packagePath)) {|    if (false) {|tst_unzipinfo|MD5 not checked before unpack
src/utils/qtnetworkworker.cpp|QStringLiteral("key=%1%2&secret=%3")|QStringLiteral("key=%1%2&secret=%3&")|tst_qtnetworkworker|wrong request signature
src/utils/taskinterface.cpp|ret == 0 ? TaskFinished : TaskFailed|TaskFinished|tst_taskinterface|failed task reported as finished
src/utils/installcleanup.cpp|            qInfo().noquote() << QStringLiteral("remove entry ") + entry;\n            QFile::remove(entry);|            qInfo().noquote() << QStringLiteral("remove entry ") + entry;|tst_installcleanup|menu entry left after a cancelled install
platform/tools/unzip.sh|[ -z "$unsafe" ] \|\| die|[ -z "" ] \|\| die|tst_platformscripts|archive entries leaving the bottle accepted
platform/tools/unzip.sh|trap '[ -z "$staging" ] \|\| rm -rf -- "$staging"' EXIT|trap ':' EXIT|tst_platformscripts|staging directory left behind
platform/tools/lirvan-wine-helper/kill.sh|kill -KILL "${alive[@]}" 2>/dev/null|: "${alive[@]}"|tst_platformscripts|survivors not killed
platform/tools/lirvan-wine-helper/kill.sh|[ "$2" != block ]|[ "$2" = block ]|tst_platformscripts|argument check inverted
src/gui/wninstallmethodwidget.cpp|order = order.mid(0, MaxRecommended);|order = order.mid(0, MaxRecommended + 1);|tst_installpages|four recommended configurations shown
src/gui/wninstallmethodwidget.cpp|return list.at(a).score > list.at(b).score;|return list.at(a).score < list.at(b).score;|tst_installpages|worst configurations first
src/gui/starrating.cpp|        result.append(Half);|        result.append(Empty);|tst_installpages|wrong star for one half
src/gui/starrating.cpp|    if (!(score >= ratedFrom))|    if (!(score > ratedFrom))|tst_installpages|score 1 unrated
src/gui/starrating.cpp|    for (int i = 0; i < whole; ++i)|    for (int i = 1; i < whole; ++i)|tst_installpages|one full star short
src/gui/datamodel.cpp|return a.info.installTime.toLower() > b.info.installTime.toLower();|return a.info.installTime.toLower() < b.info.installTime.toLower();|tst_installedview|oldest installation first
src/gui/dataitemdelegate.cpp|StarRating::fileName(stars.at(i))|StarRating::fileName(stars.at(stars.size() - 1 - i))|tst_installedview|stars painted in reverse
src/gui/ratingwidget.cpp|StarRating::stars(score, StarRating::FromOneStar)|StarRating::stars(score, StarRating::Always)|tst_cataloguepages|no-rating text never shown
src/utils/winecatalogue.cpp|                             return a.score > b.score;|                             return a.score < b.score;|tst_cataloguepages|worst-rated version shown
src/gui/wnappinfowidget.cpp|m_nextButton->setEnabled(m_agreementBox->isChecked() && m_hasPeInfo|m_nextButton->setEnabled(m_hasPeInfo|tst_installpages|privacy agreement not required
src/gui/view/containerinstallview.cpp|    showPage(RecoverPage);|    showPage(ProgressPage);|tst_installwindow|wrong page for an installed application
src/gui/uninstallconfirmation.cpp|    addButton(tr("取消"), true);\n    addButton(uninstall ? tr("卸载") : tr("覆盖安装"));|    addButton(tr("取消"));\n    addButton(uninstall ? tr("卸载") : tr("覆盖安装"), true);|tst_installedview|uninstall confirmation defaults to removing
src/gui/datalistview.cpp|    model->doItemAction(&info, action);|    model->doItemAction(&info, action == DataModel::ActionInstallDir ? int(DataModel::ActionLogInfo) : action);|tst_installedview|row button wired to the wrong action
src/gui/dataitemdelegate.cpp|{DataModel::ActionStart, DataModel::ActionInstallDir,\n                                       DataModel::ActionLogInfo}|{DataModel::ActionStart, DataModel::ActionLogInfo,\n                                       DataModel::ActionInstallDir}|tst_installedview|row buttons in the wrong order
src/gui/wnappinstallwidget.cpp|        emit s_RetryDownload();|        emit s_RetryExtract();|tst_installpages|failed download offers the unpack retry
src/utils/wineasthttpdownload.cpp|        qInfo() << "MD5 not match, download again";\n        removeLocalFile();|        emit signalStatus(DownloadFinished, QStringLiteral("file is exist ! "));\n        return;|tst_wineasthttpdownload|download with a wrong MD5 reported as done
src/utils/unzipinfo.cpp|                            + quotedArgument(m_unzipPath);|                            + quotedArgument(QFileInfo(m_unzipPath).path());|tst_unzipinfo|package unpacked beside its bottle
src/utils/bottletemplate.cpp|    return isAborted(abort) ? BottleTemplate::CopyResult::Cancelled|    return false ? BottleTemplate::CopyResult::Cancelled|tst_bottletemplate|cancelled template copy not reported as cancelled
src/utils/installinfo.cpp|    prepareBottle(type);\n    if (isAbortRequested())|    if (!type.contains(QLatin1String("FPX")))\n        prepareBottle(type);\n    if (isAbortRequested())|tst_scriptcommands|bottle of an .msi not prepared
src/utils/qtnetworkworker.cpp|    if (m_received > MaxReplyBytes)|    if (false)|tst_qtnetworkworker|reply of any size kept
src/utils/bottletemplate.cpp|    return name == key \|\| name == key + spareSuffix;|    return false;|tst_bottletemplate|generic template's build removes the 64-bit one
src/utils/installinfo.cpp|    if (isBare(bottle)) {|    if (false) {|tst_scriptcommands|bare bottle not made from the template
src/utils/templatepreparation.cpp|        lowerPriority();|        (void)0;|tst_bottletemplate|background preparation at normal priority
src/ltk/llogwriter.cpp|        m_pending += line;\n    }\n    m_wake.notify_one();|    }\n    write(line);|tst_ltk|logging waits for the console
EOF
)

declare -a results=()
current=""
backup=$(mktemp)
trap 'if [ -n "$current" ]; then cp "$backup" "$root/$current"; fi; rm -f "$backup"' EXIT

n=0
while IFS='|' read -r file old new tests what; do
    n=$((n + 1))
    [ "$only" = "  " ] || [[ "$only" == *" $n "* ]] || continue
    path="$root/$file"
    cp "$path" "$backup"
    current=$file
    if ! python3 - "$path" "$old" "$new" <<'PY'
import sys
path = sys.argv[1]
old, new = (a.replace('\\n', '\n').replace('\x01', '|') for a in sys.argv[2:4])
text = open(path, encoding='utf-8').read()
if text.count(old) != 1:
    sys.exit(1)
open(path, 'w', encoding='utf-8').write(text.replace(old, new))
PY
    then
        results+=("$n|$file|$what|$tests|NOT APPLIED")
        current=""
        continue
    fi
    targets=$tests
    [[ $file == platform/* ]] && targets="$targets lwa_platform"
    if ! cmake --build "$build" --parallel 2 --target $targets >/dev/null 2>&1; then
        outcome="build broke"
    else
        regex="^($(echo "$tests" | tr ' ' '|'))\$"
        if ctest --test-dir "$build" -R "$regex" >/dev/null 2>&1; then
            outcome="MISSED"
        else
            outcome="caught"
        fi
    fi
    cp "$backup" "$path"
    current=""
    results+=("$n|$file|$what|$tests|$outcome")
    echo "$n $outcome: $what ($file; $tests)"
done <<< "$(printf '%s\n' "$breaks" | sed 's/\\|/\x01/g')"

# Rebuild what the last breaks touched, so the tree matches its sources.
cmake --build "$build" --parallel 2 >/dev/null 2>&1

printf '\n%-3s %-8s %-45s %s\n' '#' result break 'file (tests)'
for row in "${results[@]}"; do
    IFS='|' read -r num file what tests outcome <<< "$row"
    printf '%-3s %-8s %-45s %s (%s)\n' "$num" "$outcome" "$what" "$file" "$tests"
done
