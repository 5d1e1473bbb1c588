<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Appinstallablemainwidget</name>
    <message>
        <source>可安装应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前分类没有数据，敬请期待...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用列表加载失败，请检查网络连接</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重新加载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>的搜索结果</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Appinstallablesubstackwidgt</name>
    <message>
        <source>点击应用显示详情</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Appinstallablesubwidget</name>
    <message>
        <source>更多版本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上传时间：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>上传者：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>评分：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>收起</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Appinstalledwidget</name>
    <message>
        <source> failed</source>
        <translation> 失败</translation>
    </message>
</context>
<context>
    <name>BackupRestorePanel</name>
    <message>
        <source>备份文件 (*%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从备份文件恢复应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备份应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在备份“%1”…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在恢复 %1…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BottleArchive</name>
    <message>
        <source>找不到应用“%1”的目录：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用“%1”正在运行，请先关闭它再备份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已将“%1”备份到 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备份已取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入备份文件 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>绝对路径 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指向上级目录的路径 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的内容 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>特殊文件 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>链接 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>指向外部的链接 %1 -&gt; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备份文件 %1 已损坏或不完整，未做任何改动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到备份文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>这个备份由较新版本的 Lirvan-Wine助手制作（格式 %1，本程序只认识到格式 %2），无法恢复。请先升级本程序。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备份文件含有不安全的内容（%1），未做任何改动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>恢复已取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已经安装了名为“%1”的应用，请先卸载它再恢复</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法恢复“%1”：文件无法放到位</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已恢复“%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataListView</name>
    <message>
        <source>No install infomation</source>
        <translation>暂无已安装的应用</translation>
    </message>
</context>
<context>
    <name>DataModel</name>
    <message>
        <source>暂无评分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>评分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>类别</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>版本</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装日期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>作者</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>启动应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>手动运行</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装目录</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卸载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real bottom maybe create unsuccessful!</source>
        <translation>应用容器可能未创建成功！</translation>
    </message>
    <message>
        <source>open a file.</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>exe(*.exe)</source>
        <translation>程序 (*.exe)</translation>
    </message>
    <message>
        <source>备份</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Doaction</name>
    <message>
        <source>Recommnd install realBottom dir is not exists!</source>
        <translation>应用的容器目录不存在！</translation>
    </message>
    <message>
        <source>No icon delete!</source>
        <translation>没有可删除的图标！</translation>
    </message>
    <message>
        <source>Can&apos;t find </source>
        <translation>找不到 </translation>
    </message>
    <message>
        <source>全部</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社交沟通</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音乐欣赏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>视频播放</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形图像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>游戏娱乐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>办公学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阅读翻译</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程开发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他应用</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallDesktopEntries</name>
    <message>
        <source>Cut desktop file to </source>
        <translation>移动菜单项到 </translation>
    </message>
    <message>
        <source> failed!</source>
        <translation> 失败！</translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <source>Can&apos;t find wine creat desktop file! Package install failed!</source>
        <translation>找不到 Wine 创建的菜单项，安装失败！</translation>
    </message>
</context>
<context>
    <name>InstallPage</name>
    <message>
        <source>本地应用安装</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ItemWidget</name>
    <message>
        <source>安装</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LSearchEdit</name>
    <message>
        <source>搜索</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Multiappinfowidget</name>
    <message>
        <source>官方推荐</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtNetworkWorker</name>
    <message>
        <source>服务器在 %1 秒内没有应答</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>服务器的应答过大</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RatingWidget</name>
    <message>
        <source>暂无评分</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptedInstall</name>
    <message>
        <source>读取 %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装已取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不支持的文件格式，无法安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>查询“%1”的安装配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有可用的安装配置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载“%1”的安装包</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”已经安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载 %1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下载失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解压安装包</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解压失败：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装失败：安装程序没有装好“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装失败：“%1”没有记录下来</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”已安装，但没有菜单项</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已安装“%1”</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskInterface</name>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
</context>
<context>
    <name>UninstallConfirmation</name>
    <message>
        <source>卸载</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>覆盖安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定要卸载“%1”吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>确定要覆盖安装“%1”吗？</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>它的文件夹将被删除，您保存在其中的所有文件（例如文档）也会一起删除，且无法恢复：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已安装应用的文件夹将先被删除，您保存在其中的所有文件（例如文档）也会一起删除，且无法恢复：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnzipInfo</name>
    <message>
        <source>MD5 not match</source>
        <translation>安装包已损坏（MD5 校验不符）</translation>
    </message>
</context>
<context>
    <name>WineApplication</name>
    <message>
        <source>Lirvan wine installer</source>
        <translation>Lirvan-Wine助手</translation>
    </message>
    <message>
        <source>Lirvan-Wine助手是一款应用兼容工具，可安装并兼容windows应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting install </source>
        <translation>开始安装 </translation>
    </message>
    <message>
        <source>version: </source>
        <translation>版本： </translation>
    </message>
</context>
<context>
    <name>WineAstApplist</name>
    <message>
        <source>网络应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>社交沟通</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>音乐欣赏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>视频播放</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>图形图像</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>游戏娱乐</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>办公学习</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>阅读翻译</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>编程开发</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统管理</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>其他应用</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WineAstHttpDownload</name>
    <message>
        <source>Too many redirects (more than %1) for %2</source>
        <translation>%2 的重定向过多（超过 %1 次）</translation>
    </message>
    <message>
        <source>Redirect without a target from %1</source>
        <translation>%1 返回的重定向没有目标</translation>
    </message>
    <message>
        <source>Unexpected HTTP status %1 from %2</source>
        <translation>%2 返回了意外的 HTTP 状态 %1</translation>
    </message>
    <message>
        <source>Downloaded %1 bytes of %2, expected %3 bytes</source>
        <translation>%2 下载了 %1 字节，应为 %3 字节</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>No data received for %1 s from %2, download stopped</source>
        <translation>%1 秒内未从 %2 收到数据，下载已停止</translation>
    </message>
</context>
<context>
    <name>WineCommandLine</name>
    <message>
        <source>显示本帮助并退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>显示版本并退出</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>用法：%1 [选项] [文件]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不带文件启动时打开主窗口；带一个 Windows 程序或安装包（.exe、.msi）启动时为它打开安装窗口。助手已在运行时，由它打开。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选项：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要安装的 Windows 程序或安装包</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>列出已安装的应用：名称、版本、目录和菜单项，以制表符分隔</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不打开窗口安装 Windows 程序或安装包</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 --install 一起：以此名称安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卸载应用；在终端上先询问</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 --uninstall 一起：不询问</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>把应用及其全部文件备份到一个文件 ARCHIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>与 --backup 一起：应用正在运行也备份</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从备份文件恢复应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>一次只能给出一个命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--name 只能与 --install 一起使用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--backup 需要应用名称和备份文件：--backup NAME ARCHIVE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令缺少参数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>脚本命令（不打开窗口，助手运行时也可用）：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>退出状态：0 成功；1 失败；2 用法错误；3 已经安装；4 找不到；</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 被拒绝（未确认，或应用正在运行）；130、143 被 SIGINT、SIGTERM 取消。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WineCommandTool</name>
    <message>
        <source>正在取消…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>找不到文件：%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卸载“%1”并删除它的全部文件（%2）吗？[y/N] </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有安装名为“%1”的应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有终端可以确认卸载；确定要卸载请加 --yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>没有卸载“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法卸载“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已卸载“%1”</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（加 --force 仍然备份）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>备份“%1”到 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>从 %1 恢复</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WineInstallerPrivate</name>
    <message>
        <source>app name is empty</source>
        <translation>应用名称为空</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>应用名称不能为空。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1”不能用作应用的文件夹名称。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>它的文件夹会与已安装的应用“%1”的文件夹相同。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>它的文件夹会与正在安装的应用“%1”的文件夹相同。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WineInstallerWnd</name>
    <message>
        <source>确定</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>不支持的文件格式，无法打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在清理，请稍候</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WineMainWindow</name>
    <message>
        <source>账户</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>可安装应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>已安装应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我添加的应用</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wine社区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>登出</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinePEInfo</name>
    <message>
        <source>Incorrect package file</source>
        <translation>不是 Windows 程序或安装包</translation>
    </message>
</context>
<context>
    <name>WnAppInfoWidget</name>
    <message>
        <source>未知</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>我已阅读并同意</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>下一步</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;style&gt; a {text-decoration:none} &lt;/style&gt; &lt;a href = &apos;%1&apos;&gt;《用户隐私协议》&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文件类型:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用名称:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用版本:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App name can&apos;t be empty!</source>
        <translation>应用名称不能为空！</translation>
    </message>
</context>
<context>
    <name>WnAppInstallWidget</name>
    <message>
        <source>关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在下载应用，请稍后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在解压，请稍后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>正在安装，请稍后</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>立即启动</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装成功</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>网络故障，请确保网络畅通后重试</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>提交反馈失败信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解压失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装失败</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>修改名称</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法使用此名称安装</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WnInstallMethodWidget</name>
    <message>
        <source>上一步</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>检测到Lirvan-Wine助手已有此应用，您可以直接下载安装或执行默认配置安装</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WnMethodItem</name>
    <message>
        <source>执行默认配制安装</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WnRecoverInstallWidget</name>
    <message>
        <source>取消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>覆盖安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>应用已安装</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WnUnkownAppInstallWidget</name>
    <message>
        <source>上一步</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lirvan-Wine助手默认配置安装</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前应用未在Lirvan-Wine助手可安装列表，安装可能会出现异常，敬请谅解。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
