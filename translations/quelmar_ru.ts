<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru">
<context>
    <name>FailureMessages</name>
    <message numerus="yes">
        <source>%n строк сохранятся как есть; при сохранении они встанут после разделов страниц.</source>
        <translation>
            <numerusform>%n строка сохранится как есть; при сохранении она встанет после разделов страниц.</numerusform>
            <numerusform>%n строки сохранятся как есть; при сохранении они встанут после разделов страниц.</numerusform>
            <numerusform>%n строк сохранятся как есть; при сохранении они встанут после разделов страниц.</numerusform>
        </translation>
    </message>
</context>
</TS>
