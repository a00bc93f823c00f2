<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="ru">
<context>
    <name>FailureMessages</name>
    <message numerus="yes">
        <source>%n строк сохранятся как есть и в том же порядке; при сохранении они встанут перед разделами страниц.</source>
        <translation>
            <numerusform>%n строка сохранится как есть и в том же порядке; при сохранении она встанет перед разделами страниц.</numerusform>
            <numerusform>%n строки сохранятся как есть и в том же порядке; при сохранении они встанут перед разделами страниц.</numerusform>
            <numerusform>%n строк сохранятся как есть и в том же порядке; при сохранении они встанут перед разделами страниц.</numerusform>
        </translation>
    </message>
</context>
</TS>
