<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Doaction</name>
    <message>
        <source>Recommnd install realBottom dir is not exists!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No icon delete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstallInfo</name>
    <message>
        <source>Can&apos;t find wine creat desktop file! Package install failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut desktop file to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> failed!</source>
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
    <name>UnzipInfo</name>
    <message>
        <source>MD5 not match</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>version: </source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redirect without a target from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected HTTP status %1 from %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloaded %1 bytes of %2, expected %3 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No data received for %1 s from %2, download stopped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WinePEInfo</name>
    <message>
        <source>Incorrect package file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
