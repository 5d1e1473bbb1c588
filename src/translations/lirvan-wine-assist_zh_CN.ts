<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>WineApplication</name>
    <message>
        <source>Lirvan wine installer</source>
        <translation>Lirvan-Wine助手</translation>
    </message>
</context>
</TS>
