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
    <name>InstallInfo</name>
    <message>
        <source>Can&apos;t find wine creat desktop file! Package install failed!</source>
        <translation>Cannot find the menu entry that Wine created. The installation failed!</translation>
    </message>
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
</context>
<context>
    <name>RatingWidget</name>
    <message>
        <source>暂无评分</source>
        <translation>No rating</translation>
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
