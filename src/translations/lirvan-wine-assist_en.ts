<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Appinstallablemainwidget</name>
    <message>
        <source>可安装应用</source>
        <translation>Available apps</translation>
    </message>
    <message>
        <source>当前分类没有数据，敬请期待...</source>
        <translation>Nothing in this category yet. Coming soon...</translation>
    </message>
    <message>
        <source>应用列表加载失败，请检查网络连接</source>
        <translation>Could not load the app list. Check your network connection.</translation>
    </message>
    <message>
        <source>重新加载</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>的搜索结果</source>
        <translation> search results</translation>
    </message>
</context>
<context>
    <name>Appinstallablesubstackwidgt</name>
    <message>
        <source>点击应用显示详情</source>
        <translation>Click an app to see its details</translation>
    </message>
</context>
<context>
    <name>Appinstallablesubwidget</name>
    <message>
        <source>更多版本</source>
        <translation>More versions</translation>
    </message>
    <message>
        <source>安装</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>上传时间：</source>
        <translation>Uploaded: </translation>
    </message>
    <message>
        <source>上传者：</source>
        <translation>Uploader: </translation>
    </message>
    <message>
        <source>评分：</source>
        <translation>Rating: </translation>
    </message>
    <message>
        <source>收起</source>
        <translation>Less</translation>
    </message>
</context>
<context>
    <name>Appinstalledwidget</name>
    <message>
        <source> failed</source>
        <translation> failed</translation>
    </message>
</context>
<context>
    <name>BackupRestorePanel</name>
    <message>
        <source>备份文件 (*%1)</source>
        <translation>Backup files (*%1)</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>从备份文件恢复应用</source>
        <translation>Restore an app from a backup file</translation>
    </message>
    <message>
        <source>备份应用</source>
        <translation>Back up app</translation>
    </message>
    <message>
        <source>恢复应用</source>
        <translation>Restore app</translation>
    </message>
    <message>
        <source>正在备份“%1”…</source>
        <translation>Backing up “%1”…</translation>
    </message>
    <message>
        <source>正在恢复 %1…</source>
        <translation>Restoring %1…</translation>
    </message>
</context>
<context>
    <name>BottleArchive</name>
    <message>
        <source>找不到应用“%1”的目录：%2</source>
        <translation>Cannot find the folder of “%1”: %2</translation>
    </message>
    <message>
        <source>应用“%1”正在运行，请先关闭它再备份</source>
        <translation>“%1” is running. Close it before backing it up</translation>
    </message>
    <message>
        <source>已将“%1”备份到 %2</source>
        <translation>Backed up “%1” to %2</translation>
    </message>
    <message>
        <source>备份已取消</source>
        <translation>Backup cancelled</translation>
    </message>
    <message>
        <source>无法写入备份文件 %1</source>
        <translation>Cannot write the backup file %1</translation>
    </message>
    <message>
        <source>绝对路径 %1</source>
        <translation>absolute path %1</translation>
    </message>
    <message>
        <source>指向上级目录的路径 %1</source>
        <translation>path leading upwards %1</translation>
    </message>
    <message>
        <source>未知的内容 %1</source>
        <translation>unknown content %1</translation>
    </message>
    <message>
        <source>特殊文件 %1</source>
        <translation>special file %1</translation>
    </message>
    <message>
        <source>链接 %1</source>
        <translation>link %1</translation>
    </message>
    <message>
        <source>指向外部的链接 %1 -&gt; %2</source>
        <translation>link leading outside %1 -&gt; %2</translation>
    </message>
    <message>
        <source>备份文件 %1 已损坏或不完整，未做任何改动</source>
        <translation>The backup file %1 is damaged or incomplete. Nothing was changed</translation>
    </message>
    <message>
        <source>找不到备份文件：%1</source>
        <translation>Cannot find the backup file: %1</translation>
    </message>
    <message>
        <source>这个备份由较新版本的 Lirvan-Wine助手制作（格式 %1，本程序只认识到格式 %2），无法恢复。请先升级本程序。</source>
        <translation>This backup was made by a newer Lirvan Wine Assist (format %1; this version reads up to format %2) and cannot be restored. Please update this program first.</translation>
    </message>
    <message>
        <source>备份文件含有不安全的内容（%1），未做任何改动</source>
        <translation>The backup file holds unsafe content (%1). Nothing was changed</translation>
    </message>
    <message>
        <source>恢复已取消</source>
        <translation>Restore cancelled</translation>
    </message>
    <message>
        <source>已经安装了名为“%1”的应用，请先卸载它再恢复</source>
        <translation>An app named “%1” is already installed. Uninstall it before restoring</translation>
    </message>
    <message>
        <source>无法恢复“%1”：文件无法放到位</source>
        <translation>Cannot restore “%1”: its files could not be put in place</translation>
    </message>
    <message>
        <source>已恢复“%1”</source>
        <translation>Restored “%1”</translation>
    </message>
</context>
<context>
    <name>DataListView</name>
    <message>
        <source>No install infomation</source>
        <translation>No apps installed yet</translation>
    </message>
</context>
<context>
    <name>DataModel</name>
    <message>
        <source>暂无评分</source>
        <translation>No rating</translation>
    </message>
    <message>
        <source>应用名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>评分</source>
        <translation>Rating</translation>
    </message>
    <message>
        <source>类别</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>版本</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>安装日期</source>
        <translation>Installed on</translation>
    </message>
    <message>
        <source>作者</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>启动应用</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>手动运行</source>
        <translation>Run program</translation>
    </message>
    <message>
        <source>安装目录</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>日志信息</source>
        <translation>Open log</translation>
    </message>
    <message>
        <source>卸载</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>Real bottom maybe create unsuccessful!</source>
        <translation>The bottle may not have been created!</translation>
    </message>
    <message>
        <source>open a file.</source>
        <translation>Open a file</translation>
    </message>
    <message>
        <source>exe(*.exe)</source>
        <translation>Programs (*.exe)</translation>
    </message>
    <message>
        <source>备份</source>
        <translation>Back up</translation>
    </message>
</context>
<context>
    <name>Doaction</name>
    <message>
        <source>Recommnd install realBottom dir is not exists!</source>
        <translation>The bottle directory of this application does not exist!</translation>
    </message>
    <message>
        <source>No icon delete!</source>
        <translation>No icon to delete!</translation>
    </message>
    <message>
        <source>Can&apos;t find </source>
        <translation>Cannot find </translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>网络应用</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>社交沟通</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>音乐欣赏</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>视频播放</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>图形图像</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>游戏娱乐</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>办公学习</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>阅读翻译</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>编程开发</source>
        <translation>Development</translation>
    </message>
    <message>
        <source>系统管理</source>
        <translation>System</translation>
    </message>
    <message>
        <source>其他应用</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>InstallDesktopEntries</name>
    <message>
        <source>Cut desktop file to </source>
        <translation>Moving the menu entry to </translation>
    </message>
    <message>
        <source> failed!</source>
        <translation> failed!</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <source>Can&apos;t find wine creat desktop file! Package install failed!</source>
        <translation>Cannot find the menu entry that Wine created. The installation failed!</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>本地应用安装</source>
        <translation>Install a local app</translation>
    </message>
</context>
<context>
    <name>ItemWidget</name>
    <message>
        <source>安装</source>
        <translation>Install</translation>
    </message>
</context>
<context>
    <name>LSearchEdit</name>
    <message>
        <source>搜索</source>
        <translation>Search</translation>
    </message>
</context>
<context>
    <name>Multiappinfowidget</name>
    <message>
        <source>官方推荐</source>
        <translation>Recommended</translation>
    </message>
</context>
<context>
    <name>QtNetworkWorker</name>
    <message>
        <source>服务器在 %1 秒内没有应答</source>
        <translation>The server did not answer within %1 s</translation>
    </message>
    <message>
        <source>服务器的应答过大</source>
        <translation>The server&apos;s answer is too large</translation>
    </message>
</context>
<context>
    <name>RatingWidget</name>
    <message>
        <source>暂无评分</source>
        <translation>No rating</translation>
    </message>
</context>
<context>
    <name>ScriptedInstall</name>
    <message>
        <source>读取 %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>安装已取消</source>
        <translation>Installation cancelled</translation>
    </message>
    <message>
        <source>不支持的文件格式，无法安装</source>
        <translation>Unsupported file format, cannot install</translation>
    </message>
    <message>
        <source>查询“%1”的安装配置</source>
        <translation>Looking up configurations for “%1”</translation>
    </message>
    <message>
        <source>没有可用的安装配置</source>
        <translation>No configuration available</translation>
    </message>
    <message>
        <source>下载“%1”的安装包</source>
        <translation>Downloading the package of “%1”</translation>
    </message>
    <message>
        <source>“%1”已经安装</source>
        <translation>“%1” is already installed</translation>
    </message>
    <message>
        <source>正在安装</source>
        <translation> is being installed</translation>
    </message>
    <message>
        <source>下载 %1%</source>
        <translation>Downloaded %1%</translation>
    </message>
    <message>
        <source>下载失败：%1</source>
        <translation>Download failed: %1</translation>
    </message>
    <message>
        <source>解压安装包</source>
        <translation>Unpacking the package</translation>
    </message>
    <message>
        <source>解压失败：%1</source>
        <translation>Unpacking failed: %1</translation>
    </message>
    <message>
        <source>安装“%1”</source>
        <translation>Installing “%1”</translation>
    </message>
    <message>
        <source>安装失败：安装程序没有装好“%1”</source>
        <translation>Installation failed: the installer did not install “%1”</translation>
    </message>
    <message>
        <source>安装失败：“%1”没有记录下来</source>
        <translation>Installation failed: “%1” was not recorded</translation>
    </message>
    <message>
        <source>“%1”已安装，但没有菜单项</source>
        <translation>“%1” was installed but has no menu entry</translation>
    </message>
    <message>
        <source>已安装“%1”</source>
        <translation>Installed “%1”</translation>
    </message>
</context>
<context>
    <name>TaskInterface</name>
    <message>
        <source>Cancelled</source>
        <translation>Cancelled</translation>
    </message>
</context>
<context>
    <name>UninstallConfirmation</name>
    <message>
        <source>卸载</source>
        <translation>Uninstall</translation>
    </message>
    <message>
        <source>覆盖安装</source>
        <translation>Reinstall</translation>
    </message>
    <message>
        <source>确定要卸载“%1”吗？</source>
        <translation>Uninstall “%1”?</translation>
    </message>
    <message>
        <source>确定要覆盖安装“%1”吗？</source>
        <translation>Reinstall “%1” over the installed one?</translation>
    </message>
    <message>
        <source>它的文件夹将被删除，您保存在其中的所有文件（例如文档）也会一起删除，且无法恢复：</source>
        <translation>Its folder will be deleted, together with every file you saved in it (documents, for example). This cannot be undone:</translation>
    </message>
    <message>
        <source>已安装应用的文件夹将先被删除，您保存在其中的所有文件（例如文档）也会一起删除，且无法恢复：</source>
        <translation>The installed application&apos;s folder will be deleted first, together with every file you saved in it (documents, for example). This cannot be undone:</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UnzipInfo</name>
    <message>
        <source>MD5 not match</source>
        <translation>The package is damaged (MD5 checksum mismatch)</translation>
    </message>
</context>
<context>
    <name>WineApplication</name>
    <message>
        <source>Lirvan wine installer</source>
        <translation>Lirvan Wine Assist</translation>
    </message>
    <message>
        <source>Lirvan-Wine助手是一款应用兼容工具，可安装并兼容windows应用</source>
        <translation>Lirvan Wine Assist is a compatibility tool that installs Windows applications and runs them on Linux</translation>
    </message>
    <message>
        <source>Starting install </source>
        <translation>Starting install </translation>
    </message>
    <message>
        <source>version: </source>
        <translation>version: </translation>
    </message>
</context>
<context>
    <name>WineAstApplist</name>
    <message>
        <source>网络应用</source>
        <translation>Internet</translation>
    </message>
    <message>
        <source>社交沟通</source>
        <translation>Social</translation>
    </message>
    <message>
        <source>音乐欣赏</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>视频播放</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>图形图像</source>
        <translation>Graphics</translation>
    </message>
    <message>
        <source>游戏娱乐</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>办公学习</source>
        <translation>Office</translation>
    </message>
    <message>
        <source>阅读翻译</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>编程开发</source>
        <translation>Development</translation>
    </message>
    <message>
        <source>系统管理</source>
        <translation>System</translation>
    </message>
    <message>
        <source>其他应用</source>
        <translation>Other</translation>
    </message>
</context>
<context>
    <name>WineAstHttpDownload</name>
    <message>
        <source>Too many redirects (more than %1) for %2</source>
        <translation>Too many redirects (more than %1) for %2</translation>
    </message>
    <message>
        <source>Redirect without a target from %1</source>
        <translation>Redirect without a target from %1</translation>
    </message>
    <message>
        <source>Unexpected HTTP status %1 from %2</source>
        <translation>Unexpected HTTP status %1 from %2</translation>
    </message>
    <message>
        <source>Downloaded %1 bytes of %2, expected %3 bytes</source>
        <translation>Downloaded %1 bytes of %2, expected %3 bytes</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Cannot open %1: %2</translation>
    </message>
    <message>
        <source>No data received for %1 s from %2, download stopped</source>
        <translation>No data received for %1 s from %2, download stopped</translation>
    </message>
</context>
<context>
    <name>WineCommandLine</name>
    <message>
        <source>显示本帮助并退出</source>
        <translation>Show this help and exit</translation>
    </message>
    <message>
        <source>显示版本并退出</source>
        <translation>Show the version and exit</translation>
    </message>
    <message>
        <source>用法：%1 [选项] [文件]</source>
        <translation>Usage: %1 [options] [file]</translation>
    </message>
    <message>
        <source>不带文件启动时打开主窗口；带一个 Windows 程序或安装包（.exe、.msi）启动时为它打开安装窗口。助手已在运行时，由它打开。</source>
        <translation>Without a file it opens the main window; with a Windows program or installer (.exe, .msi) it opens an install window for it. When the assistant is already running, that one opens it.</translation>
    </message>
    <message>
        <source>选项：</source>
        <translation>Options:</translation>
    </message>
    <message>
        <source>参数：</source>
        <translation>Arguments:</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>file</translation>
    </message>
    <message>
        <source>要安装的 Windows 程序或安装包</source>
        <translation>the Windows program or installer to install</translation>
    </message>
    <message>
        <source>列出已安装的应用：名称、版本、目录和菜单项，以制表符分隔</source>
        <translation>List the installed apps: name, version, folder and menu entry, separated by tabs</translation>
    </message>
    <message>
        <source>不打开窗口安装 Windows 程序或安装包</source>
        <translation>Install a Windows program or installer without a window</translation>
    </message>
    <message>
        <source>与 --install 一起：以此名称安装</source>
        <translation>With --install: install under this name</translation>
    </message>
    <message>
        <source>卸载应用；在终端上先询问</source>
        <translation>Uninstall an app; asks first on a terminal</translation>
    </message>
    <message>
        <source>与 --uninstall 一起：不询问</source>
        <translation>With --uninstall: do not ask</translation>
    </message>
    <message>
        <source>把应用及其全部文件备份到一个文件 ARCHIVE</source>
        <translation>Back up an app with all its files into one file ARCHIVE</translation>
    </message>
    <message>
        <source>与 --backup 一起：应用正在运行也备份</source>
        <translation>With --backup: back up even while the app runs</translation>
    </message>
    <message>
        <source>从备份文件恢复应用</source>
        <translation>Restore an app from a backup file</translation>
    </message>
    <message>
        <source>一次只能给出一个命令</source>
        <translation>Give only one command at a time</translation>
    </message>
    <message>
        <source>--name 只能与 --install 一起使用</source>
        <translation>--name can only be used with --install</translation>
    </message>
    <message>
        <source>--backup 需要应用名称和备份文件：--backup NAME ARCHIVE</source>
        <translation>--backup needs an app name and a backup file: --backup NAME ARCHIVE</translation>
    </message>
    <message>
        <source>命令缺少参数</source>
        <translation>The command is missing its argument</translation>
    </message>
    <message>
        <source>脚本命令（不打开窗口，助手运行时也可用）：</source>
        <translation>Commands for scripts (no window; they also work while the assistant runs):</translation>
    </message>
    <message>
        <source>退出状态：0 成功；1 失败；2 用法错误；3 已经安装；4 找不到；</source>
        <translation>Exit status: 0 success; 1 failure; 2 usage error; 3 already installed; 4 not found;</translation>
    </message>
    <message>
        <source>5 被拒绝（未确认，或应用正在运行）；130、143 被 SIGINT、SIGTERM 取消。</source>
        <translation>5 refused (not confirmed, or the app is running); 130, 143 cancelled by SIGINT, SIGTERM.</translation>
    </message>
</context>
<context>
    <name>WineCommandTool</name>
    <message>
        <source>正在取消…</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>卸载“%1”并删除它的全部文件（%2）吗？[y/N] </source>
        <translation>Uninstall “%1” and delete all its files (%2)? [y/N] </translation>
    </message>
    <message>
        <source>没有安装名为“%1”的应用</source>
        <translation>No app named “%1” is installed</translation>
    </message>
    <message>
        <source>没有终端可以确认卸载；确定要卸载请加 --yes</source>
        <translation>No terminal to confirm the uninstall; add --yes to uninstall</translation>
    </message>
    <message>
        <source>没有卸载“%1”</source>
        <translation>“%1” was not uninstalled</translation>
    </message>
    <message>
        <source>无法卸载“%1”</source>
        <translation>Cannot uninstall “%1”</translation>
    </message>
    <message>
        <source>已卸载“%1”</source>
        <translation>Uninstalled “%1”</translation>
    </message>
    <message>
        <source>（加 --force 仍然备份）</source>
        <translation> (add --force to back it up anyway)</translation>
    </message>
    <message>
        <source>备份“%1”到 %2</source>
        <translation>Backing up “%1” to %2</translation>
    </message>
    <message>
        <source>从 %1 恢复</source>
        <translation>Restoring from %1</translation>
    </message>
</context>
<context>
    <name>WineInstallerPrivate</name>
    <message>
        <source>app name is empty</source>
        <translation>app name is empty</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>应用名称不能为空。</source>
        <translation>The application name cannot be empty.</translation>
    </message>
    <message>
        <source>“%1”不能用作应用的文件夹名称。</source>
        <translation>“%1” cannot be used as the name of an application folder.</translation>
    </message>
    <message>
        <source>它的文件夹会与已安装的应用“%1”的文件夹相同。</source>
        <translation>Its folder would be the same as that of the installed application “%1”.</translation>
    </message>
    <message>
        <source>它的文件夹会与正在安装的应用“%1”的文件夹相同。</source>
        <translation>Its folder would be the same as that of “%1”, which is being installed.</translation>
    </message>
</context>
<context>
    <name>WineInstallerWnd</name>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>不支持的文件格式，无法打开</source>
        <translation>This file type is not supported and cannot be opened</translation>
    </message>
    <message>
        <source>正在安装</source>
        <translation>Installing</translation>
    </message>
    <message>
        <source>正在清理，请稍候</source>
        <translation>Cleaning up, please wait</translation>
    </message>
</context>
<context>
    <name>WineMainWindow</name>
    <message>
        <source>账户</source>
        <translation>Account</translation>
    </message>
    <message>
        <source>可安装应用</source>
        <translation>Catalogue</translation>
    </message>
    <message>
        <source>已安装应用</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>我添加的应用</source>
        <translation>Added by me</translation>
    </message>
    <message>
        <source>Wine社区</source>
        <translation>Forum</translation>
    </message>
    <message>
        <source>登出</source>
        <translation>Log out</translation>
    </message>
</context>
<context>
    <name>WinePEInfo</name>
    <message>
        <source>Incorrect package file</source>
        <translation>This is not a Windows program or installer</translation>
    </message>
</context>
<context>
    <name>WnAppInfoWidget</name>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>我已阅读并同意</source>
        <translation>I have read and agree to the</translation>
    </message>
    <message>
        <source>下一步</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>&lt;style&gt; a {text-decoration:none} &lt;/style&gt; &lt;a href = &apos;%1&apos;&gt;《用户隐私协议》&lt;/a&gt;</source>
        <translation>&lt;style&gt; a {text-decoration:none} &lt;/style&gt; &lt;a href = &apos;%1&apos;&gt;Privacy Policy&lt;/a&gt;</translation>
    </message>
    <message>
        <source>文件类型:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>应用名称:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>应用版本:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>App name can&apos;t be empty!</source>
        <translation>The app name cannot be empty!</translation>
    </message>
</context>
<context>
    <name>WnAppInstallWidget</name>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>安装</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>正在下载应用，请稍后</source>
        <translation>Downloading, please wait</translation>
    </message>
    <message>
        <source>正在解压，请稍后</source>
        <translation>Unpacking, please wait</translation>
    </message>
    <message>
        <source>正在安装，请稍后</source>
        <translation>Installing, please wait</translation>
    </message>
    <message>
        <source>立即启动</source>
        <translation>Start now</translation>
    </message>
    <message>
        <source>安装成功</source>
        <translation>Installed</translation>
    </message>
    <message>
        <source>重试</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>网络故障，请确保网络畅通后重试</source>
        <translation>Network error. Check your connection and retry.</translation>
    </message>
    <message>
        <source>提交反馈失败信息</source>
        <translation>Send failure report</translation>
    </message>
    <message>
        <source>解压失败</source>
        <translation>Unpacking failed</translation>
    </message>
    <message>
        <source>安装失败</source>
        <translation>Installation failed</translation>
    </message>
    <message>
        <source>修改名称</source>
        <translation>Change name</translation>
    </message>
    <message>
        <source>无法使用此名称安装</source>
        <translation>This name cannot be used for the installation</translation>
    </message>
</context>
<context>
    <name>WnInstallMethodWidget</name>
    <message>
        <source>上一步</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>安装</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>检测到Lirvan-Wine助手已有此应用，您可以直接下载安装或执行默认配置安装</source>
        <translation>Lirvan Wine Assist knows this app: install its prepared configuration, or use the default one.</translation>
    </message>
</context>
<context>
    <name>WnMethodItem</name>
    <message>
        <source>执行默认配制安装</source>
        <translation>Install with the default configuration</translation>
    </message>
</context>
<context>
    <name>WnRecoverInstallWidget</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>覆盖安装</source>
        <translation>Reinstall</translation>
    </message>
    <message>
        <source>应用已安装</source>
        <translation>Already installed</translation>
    </message>
</context>
<context>
    <name>WnUnkownAppInstallWidget</name>
    <message>
        <source>上一步</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>安装</source>
        <translation>Install</translation>
    </message>
    <message>
        <source>Lirvan-Wine助手默认配置安装</source>
        <translation>Install with the default configuration</translation>
    </message>
    <message>
        <source>当前应用未在Lirvan-Wine助手可安装列表，安装可能会出现异常，敬请谅解。</source>
        <translation>This app is not in the catalogue of Lirvan Wine Assist, so the installation may not work as expected.</translation>
    </message>
</context>
</TS>
