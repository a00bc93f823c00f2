<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="ru">
<context>
    <name>CommandRows</name>
    <message>
        <source>Остановить звук</source>
        <translation>Stop sound</translation>
    </message>
    <message>
        <source>Двойной/одинарный прицел</source>
        <translation>Double/single crosshair</translation>
    </message>
    <message>
        <source>Сменить цвет прицела</source>
        <translation>Change crosshair colour</translation>
    </message>
    <message>
        <source>Увел. громкость</source>
        <translation>Volume up</translation>
    </message>
    <message>
        <source>Умен. громкость</source>
        <translation>Volume down</translation>
    </message>
    <message>
        <source>Рестарт раунда</source>
        <translation>Restart round</translation>
    </message>
    <message>
        <source>Показать/спрятать оружие</source>
        <translation>Show/hide weapon</translation>
    </message>
    <message>
        <source>Статус серверов</source>
        <translation>Server status</translation>
    </message>
    <message>
        <source>Пауза в игре</source>
        <translation>Pause the game</translation>
    </message>
    <message>
        <source>Время раунда (остаток)</source>
        <translation>Round time left</translation>
    </message>
</context>
<context>
    <name>FailureMessages</name>
    <message>
        <source>эта папка принадлежит другому пользователю</source>
        <translation>this folder belongs to another user</translation>
    </message>
    <message>
        <source>на месте папки стоит символическая ссылка</source>
        <translation>a symbolic link stands where the folder should be</translation>
    </message>
    <message>
        <source>на месте папки стоит файл</source>
        <translation>a file stands where the folder should be</translation>
    </message>
    <message>
        <source>Переменная окружения %1 называет не папку, а файл. Укажите в ней папку, в которую вы можете писать, например: %2</source>
        <translation>The environment variable %1 names a file, not a folder. Set it to a folder you can write to, for example: %2</translation>
    </message>
    <message>
        <source>Освободите место на диске или укажите в переменной окружения %1 папку на другом диске.</source>
        <translation>Free some space on the disk, or set the environment variable %1 to a folder on another disk.</translation>
    </message>
    <message>
        <source>Удалите или переименуйте его либо укажите в переменной окружения %1 другую папку, свою.</source>
        <translation>Remove or rename it, or set the environment variable %1 to another folder of your own.</translation>
    </message>
    <message>
        <source>Запустите программу снова.</source>
        <translation>Start the program again.</translation>
    </message>
    <message>
        <source>Снимите этот предел (ulimit -f unlimited) и запустите программу снова.</source>
        <translation>Lift that limit (ulimit -f unlimited) and start the program again.</translation>
    </message>
    <message>
        <source>Укажите в переменной окружения %1 папку, в которую вы можете писать, например: %2</source>
        <translation>Set the environment variable %1 to a folder you can write to, for example: %2</translation>
    </message>
    <message>
        <source>Программа повреждена: в ней нет %1. Без них сценарий получится неверным. Установите программу заново.</source>
        <translation>The program is damaged: it lacks %1. Without them the script would come out wrong. Install the program again.</translation>
    </message>
    <message>
        <source>на диске не хватает места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>файл дорос до предела размера файлов, который система задала программе</source>
        <translation>the file reached the file-size limit the system set for the program</translation>
    </message>
    <message>
        <source>нет прав доступа</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>диск открыт только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>слишком длинное имя</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>файл с таким именем уже есть</source>
        <translation>a file of that name is already there</translation>
    </message>
    <message>
        <source>файл занят другой программой</source>
        <translation>another program holds the file</translation>
    </message>
    <message>
        <source>файл занят другой запущенной копией программы</source>
        <translation>another running copy of the program holds the file</translation>
    </message>
    <message>
        <source>это символическая ссылка, а по ссылкам программа не пишет</source>
        <translation>it is a symbolic link, and the program does not write through links</translation>
    </message>
    <message>
        <source>под этим именем стоит папка</source>
        <translation>a folder has that name</translation>
    </message>
    <message>
        <source>это не обычный файл, а канал, устройство или сокет</source>
        <translation>it is not a plain file but a pipe, a device or a socket</translation>
    </message>
    <message>
        <source>у этого файла есть и другое имя (жёсткая ссылка)</source>
        <translation>the file has a second name (a hard link)</translation>
    </message>
    <message>
        <source>у файла стоит отметка «только для чтения»</source>
        <translation>the file is marked read-only</translation>
    </message>
    <message>
        <source>файл принадлежит другому пользователю</source>
        <translation>the file belongs to another user</translation>
    </message>
    <message>
        <source>файл удалили или заменили, пока программа с ним работала</source>
        <translation>the file was removed or replaced while the program worked with it</translation>
    </message>
    <message>
        <source>прочитанное с диска не совпало с записанным</source>
        <translation>what the disk gave back differs from what was written</translation>
    </message>
    <message>
        <source>ошибка системы: %1</source>
        <translation>system error: %1</translation>
    </message>
    <message>
        <source>Программа уже запущена и пишет файл конфигурации:
%1

Закройте её, прежде чем запускать программу снова.</source>
        <translation>The program is already running and writing the configuration file:
%1

Close it before you start the program again.</translation>
    </message>
    <message>
        <source>Не удалось записать временный файл конфигурации</source>
        <translation>Could not write the temporary configuration file</translation>
    </message>
    <message>
        <source>Не удалось подготовить папку для временного файла конфигурации</source>
        <translation>Could not prepare the folder for the temporary configuration file</translation>
    </message>
    <message>
        <source>Не удалось занять файл блокировки рядом с временным файлом конфигурации</source>
        <translation>Could not take the lock file beside the temporary configuration file</translation>
    </message>
    <message>
        <source>Не удалось создать временный файл конфигурации</source>
        <translation>Could not create the temporary configuration file</translation>
    </message>
    <message>
        <source>%1:
%2

Причина: %3.

%4</source>
        <translation>%1:
%2

Reason: %3.

%4</translation>
    </message>
    <message>
        <source>Папка для временного файла конфигурации
%1
не годится: %2.

Файл будет в папке, доступной только вам:
%3</source>
        <translation>The folder for the temporary configuration file
%1
will not do: %2.

The file goes into a folder only you can reach:
%3</translation>
    </message>
    <message>
        <source>Строки, записанные раньше, остались в этом файле.</source>
        <translation>The lines written before are still in that file.</translation>
    </message>
    <message>
        <source>Этого файла больше нет на диске.</source>
        <translation>That file is no longer on the disk.</translation>
    </message>
    <message>
        <source>Не удалось записать в файл конфигурации:
%1

Причина: %2.

%3
Программа будет закрыта. %4</source>
        <translation>Could not write to the configuration file:
%1

Reason: %2.

%3
The program will close. %4</translation>
    </message>
    <message>
        <source>Файл мог быть повреждён. При следующем запуске программа попробует вернуть его прежнее содержимое.</source>
        <translation>The file may be damaged. At its next start the program will try to put its old content back.</translation>
    </message>
    <message>
        <source>Файл остался таким, каким был.</source>
        <translation>The file is as it was.</translation>
    </message>
    <message>
        <source>Файл не создан.</source>
        <translation>No file was made.</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл:
%1

Причина: %2.

%3
Все настройки на месте: нажмите «Сохранить» и выберите другое место.</source>
        <translation>Could not save the file:
%1

Reason: %2.

%3
All your settings are still here: press &quot;Save&quot; and choose another place.</translation>
    </message>
    <message>
        <source>Игра переписывает config.cfg при каждом выходе, и сценарий в нём не сохранится.

Сохранить его как userconfig.cfg? Этот файл игра выполняет при каждом запуске и сама не меняет.

«Нет» — выбрать другое имя.</source>
        <translation>The game rewrites config.cfg every time it exits, so the script would not last there.

Save it as userconfig.cfg? The game runs that file at every start and never changes it.

&quot;No&quot; chooses another name.</translation>
    </message>
    <message>
        <source>Файл уже есть:
%1

Заменить его?

«Нет» — выбрать другое имя.</source>
        <translation>The file is already there:
%1

Replace it?

&quot;No&quot; chooses another name.</translation>
    </message>
    <message>
        <source>Выполнять сценарий %1 при каждом запуске игры? В userconfig.cfg добавится строка:
%2

Сценарий начинается с unbindall, поэтому при каждом запуске игры он сбросит все клавиши, которые не назначает сам.</source>
        <translation>Should the game run the script %1 at every start? This line will be added to userconfig.cfg:
%2

The script starts with unbindall, so at every start of the game it clears every key it does not bind itself.</translation>
    </message>
    <message>
        <source>у файла нет имени</source>
        <translation>the file has no name</translation>
    </message>
    <message>
        <source>в имени есть управляющий символ</source>
        <translation>the name holds a control character</translation>
    </message>
    <message>
        <source>в имени есть буквы не латинского алфавита, а их байты в имени файла и в консоли могут различаться</source>
        <translation>the name holds letters outside the Latin alphabet, whose bytes may differ between the file&apos;s name and the console</translation>
    </message>
    <message>
        <source>в имени есть знак /, \, : или две точки подряд, а консоль прочтёт их как путь</source>
        <translation>the name holds /, \, : or two dots in a row, which the console reads as a path</translation>
    </message>
    <message>
        <source>в имени есть знак ~, а такие имена консоль отвергает</source>
        <translation>the name holds ~, and the console refuses such names</translation>
    </message>
    <message>
        <source>в имени есть точка с запятой, а на ней консоль обрывает команду</source>
        <translation>the name holds a semicolon, where the console ends a command</translation>
    </message>
    <message>
        <source>в имени есть кавычка</source>
        <translation>the name holds a double quote</translation>
    </message>
    <message>
        <source>имя не оканчивается на .cfg</source>
        <translation>the name does not end in .cfg</translation>
    </message>
    <message>
        <source>Сценарий сохранён, но игра не сможет выполнять его при запуске: %1.

Чтобы игра его выполняла, сохраните его ещё раз под именем из латинских букв и цифр, например myconfig.cfg.</source>
        <translation>The script is saved, but the game cannot run it at start: %1.

For the game to run it, save it again under a name of Latin letters and digits, such as myconfig.cfg.</translation>
    </message>
    <message>
        <source>Файл %1 был символической ссылкой. Теперь это отдельный файл: в нём прежний текст и строка %2. Файл, на который вела ссылка, не изменён.</source>
        <translation>The file %1 was a symbolic link. It is now a file of its own: the same text and the line %2. The file the link led to is unchanged.</translation>
    </message>
    <message>
        <source>Не удалось добавить строку %1 в файл:
%2

Причина: %3.

%4 Сценарий сохранён; строку можно добавить в этот файл самому.</source>
        <translation>Could not add the line %1 to the file:
%2

Reason: %3.

%4 The script is saved; you can add the line to that file yourself.</translation>
    </message>
    <message>
        <source>Вернуть прежнее содержимое не удалось. Причина: %1.

Программа попробует снова при следующем запуске.</source>
        <translation>The old content could not be put back. Reason: %1.

The program will try again at its next start.</translation>
    </message>
    <message>
        <source>Прежнее содержимое файла возвращено на место: файл такой, каким был до того сохранения.</source>
        <translation>The file&apos;s old content is back: the file is as it was before that save.</translation>
    </message>
    <message>
        <source>Прошлый запуск программы прервался, когда она перезаписывала файл:
%1

%2</source>
        <translation>The program&apos;s last run stopped while it was rewriting the file:
%1

%2</translation>
    </message>
    <message>
        <source>Не удалось прочитать сценарий «%1»: %2.

%3</source>
        <translation>Could not read the script &quot;%1&quot;: %2.

%3</translation>
    </message>
    <message>
        <source>Программа закроется; запустите её без файла или с другим.</source>
        <translation>The program will close; start it without a file or with another one.</translation>
    </message>
    <message>
        <source>Страницы начнут с прежних значений.</source>
        <translation>The pages start from the values they had.</translation>
    </message>
    <message>
        <source>Сценарий «%1» уже открыт. Второй сценарий за один запуск открыть нельзя: ничего не изменилось.</source>
        <translation>The script &quot;%1&quot; is already open. A second script cannot be opened in the same run: nothing has changed.</translation>
    </message>
    <message>
        <source>Сюда можно бросить один файл сценария с расширением .cfg. Ничего не изменилось.</source>
        <translation>Drop one script file ending in .cfg here. Nothing has changed.</translation>
    </message>
    <message>
        <source>У этой программы нет консоли, и ей некуда писать ответ. Команды --check, --fix-keys, --help и --version выполняет quelmar.com: откройте командную строку (cmd) в папке программы и наберите, например,

quelmar --check userconfig.cfg</source>
        <translation>This program has no console to write its answer to. The commands --check, --fix-keys, --help and --version are run by quelmar.com: open a command prompt (cmd) in the program&apos;s folder and type, for example,

quelmar --check userconfig.cfg</translation>
    </message>
    <message>
        <source>… и ещё %1</source>
        <translation>… and %1 more</translation>
    </message>
    <message numerus="yes">
        <source>%n строк сохранятся как есть и в том же порядке; при сохранении они встанут перед разделами страниц.</source>
        <translation>
            <numerusform>%n line is kept as it is, in its order; at save it goes before the pages&apos; sections.</numerusform>
            <numerusform>%n lines are kept as they are, in their order; at save they go before the pages&apos; sections.</numerusform>
        </translation>
    </message>
    <message>
        <source>нет такого файла</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>его запускает сама игра</source>
        <translation>the game runs it itself</translation>
    </message>
    <message>
        <source>он уже выполняется: петля</source>
        <translation>it is already running: a loop</translation>
    </message>
    <message>
        <source>слишком много файлов друг в друге</source>
        <translation>too many files inside one another</translation>
    </message>
    <message>
        <source>не читается или не .cfg</source>
        <translation>cannot be read or is not a .cfg</translation>
    </message>
    <message>
        <source>Открыт сценарий «%1».

Значений и клавиш, с которых начнут страницы: %2.
</source>
        <translation>Opened the script &quot;%1&quot;.

Values and keys the pages start from: %2.
</translation>
    </message>
    <message>
        <source>

Этих значений страницы показать не могут; строка покажет обычное значение, и пока вы её не измените, в сценарии останется значение из файла:
строка </source>
        <translation>

The pages cannot show these values; the row shows its usual value, and until you change it the script keeps the file&apos;s value:
line </translation>
    </message>
    <message>
        <source>
строка </source>
        <translation>
line </translation>
    </message>
    <message>
        <source>

Файлы, которые сценарий запускает строкой exec; страницы начнут и с их значений: </source>
        <translation>

Files the script runs with exec; the pages start from their values too: </translation>
    </message>
    <message>
        <source>

Не запускаются: </source>
        <translation>

Not run: </translation>
    </message>
    <message>
        <source>

Сценарий задаёт по-своему алиасы программы, и работать будут его (reset завершает каждую закупку оружия):
</source>
        <translation>

The script defines some of the program&apos;s aliases its own way, and its own will run (reset ends every weapon purchase):
</translation>
    </message>
    <message>
        <source>

Команды, которые закрывают игру или отключают от сервера:
строка </source>
        <translation>

Commands that close the game or leave the server:
line </translation>
    </message>
    <message>
        <source>

unbindall в середине сценария остаётся на месте и снимает также привязки программы (ESCAPE, ` и ~); строка </source>
        <translation>

unbindall in the middle of the script stays where it is and also undoes the program&apos;s own binds (ESCAPE, ` and ~); line </translation>
    </message>
    <message>
        <source>

Файлы или алиасы вложены слишком глубоко или слишком длинны; дальше программа за ними не следила.</source>
        <translation>

Files or aliases run too deep or too long; the program did not follow them further.</translation>
    </message>
    <message>
        <source>

Значений в UTF-8, которые останутся в сценарии как были, пока вы их не измените: %1.</source>
        <translation>

Values in UTF-8 that stay in the script as they were until you change them: %1.</translation>
    </message>
    <message>
        <source>

Знаков, которых нет в кодировке сценария, заменённых на «?»: %1.</source>
        <translation>

Characters the script&apos;s code page lacks, replaced by &quot;?&quot;: %1.</translation>
    </message>
    <message>
        <source>Сценарий %1 сам запускает config.cfg или userconfig.cfg (или запускает их через другие файлы). Если игра будет запускать его из userconfig.cfg, файлы станут запускать друг друга без конца, поэтому строка в userconfig.cfg не добавлена. Сценарий сохранён.</source>
        <translation>The script %1 runs config.cfg or userconfig.cfg itself (or through other files). Run by the game from userconfig.cfg, the files would run each other for ever, so no line was added to userconfig.cfg. The script is saved.</translation>
    </message>
    <message>
        <source>%1 МиБ</source>
        <translation>%1 MiB</translation>
    </message>
    <message>
        <source>файл больше %1, а сценарии не бывают такими большими</source>
        <translation>the file is larger than %1, which no script is</translation>
    </message>
    <message>
        <source>в него или в его папку могут писать другие пользователи, и программа ему не доверяет</source>
        <translation>other users may write to it or to its folder, so the program does not trust it</translation>
    </message>
    <message>
        <source>файл повреждён: программа так не пишет</source>
        <translation>the file is damaged: it is not in the form the program writes</translation>
    </message>
    <message>
        <source>Строка %1 не добавлена в файл:
%2

Консоль игры не дочитает его до конца: в нём есть нулевой байт (так бывает, если файл сохранён в UTF-16) или он больше %3. Файл остался таким, каким был. Сценарий сохранён.</source>
        <translation>The line %1 was not added to the file:
%2

The game&apos;s console would not read it to its end: it holds a NUL byte (as a file saved in UTF-16 does) or is larger than %3. The file is as it was. The script is saved.</translation>
    </message>
    <message>
        <source>Запись о прерванной перезаписи файла не использована: %1.

Файлы по ней не менялись. Она отложена, а не удалена:
%2</source>
        <translation>A record of a rewrite cut short was not used: %1.

No file was changed by it. It was set aside, not deleted:
%2</translation>
    </message>
    <message>
        <source>в файле есть нулевой байт, и консоль игры дальше него не прочтёт (так бывает, если файл сохранён в UTF-16); сохраните его в ANSI или UTF-8</source>
        <translation>the file holds a NUL byte, past which the game&apos;s console reads nothing (as with a file saved as UTF-16); save it as ANSI or UTF-8</translation>
    </message>
    <message>
        <source>нет такого файла или папки</source>
        <translation>there is no such file or folder</translation>
    </message>
</context>
<context>
    <name>KeyJobWords</name>
    <message>
        <source>бронежилета</source>
        <translation>armour</translation>
    </message>
    <message>
        <source>бронежилета с каской</source>
        <translation>armour and a helmet</translation>
    </message>
    <message>
        <source>световой гранаты</source>
        <translation>a flashbang</translation>
    </message>
    <message>
        <source>осколочной гранаты</source>
        <translation>an HE grenade</translation>
    </message>
    <message>
        <source>дымовой гранаты</source>
        <translation>a smoke grenade</translation>
    </message>
    <message>
        <source>набора сапёра</source>
        <translation>a defuse kit</translation>
    </message>
    <message>
        <source>патронов</source>
        <translation>ammo</translation>
    </message>
    <message>
        <source>патронов к пистолету</source>
        <translation>pistol ammo</translation>
    </message>
    <message>
        <source>покупка %1</source>
        <translation>buying %1</translation>
    </message>
    <message>
        <source>покупка %1 и %2</source>
        <translation>buying %1 and %2</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>закупка оружия</source>
        <translation>weapon purchase</translation>
    </message>
    <message>
        <source>команды</source>
        <translation>commands</translation>
    </message>
    <message>
        <source>открытый сценарий</source>
        <translation>the opened script</translation>
    </message>
    <message>
        <source>сама программа</source>
        <translation>the program itself</translation>
    </message>
    <message>
        <source>%1: %2 (%3)</source>
        <translation>%1: %2 (%3)</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 — заменяет: %2
</source>
        <translation>%1 — replaces: %2
</translation>
    </message>
    <message>
        <source>Эти клавиши сценарий назначает не один раз, разным командам. В игре сработает та, что стоит первой в строке; она заменяет остальные:

%1</source>
        <translation>The script binds these keys more than once, to different commands. The game keeps the one first in each line; it replaces the others:

%1</translation>
    </message>
</context>
<context>
    <name>Lists</name>
    <message>
        <source>Выкл</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Вкл</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Кабельное соед.</source>
        <translation>Cable</translation>
    </message>
</context>
<context>
    <name>MenuTable</name>
    <message>
        <source>Видео</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Аудио</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Игрока</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>Мышки</source>
        <translation>Mouse</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Остальные</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Закупка оружия</source>
        <translation>Buy weapons</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>SaveKeyOffer</name>
    <message>
        <source>Консоль игры не примет эти названия клавиш: у неё для тех же клавиш свои имена.

%1
Сохранить их так, как их пишет консоль?
«Нет» сохранит названия как есть.</source>
        <translation>The game&apos;s console will not take these key names: it has names of its own for the same keys.

%1
Save them the way the console spells them?
&quot;No&quot; saves the names as they are.</translation>
    </message>
</context>
<context>
    <name>SpinMember</name>
    <message>
        <source>Дурак что ли?</source>
        <translation>Are you kidding?</translation>
    </message>
    <message>
        <source>АШЫПКА</source>
        <translation>EROR</translation>
    </message>
    <message>
        <source>Не может быть больше, чем у сервера<byte value="xd"/>Oбычно = 400 </source>
        <translation>Can&apos;t be more than the server&apos;s<byte value="xd"/>Usually = 400 </translation>
    </message>
    <message>
        <source>Мне кажется больше не надо<byte value="xd"/>Oбычно = 5 </source>
        <translation>I don&apos;t think you need more<byte value="xd"/>Usually = 5 </translation>
    </message>
</context>
<context>
    <name>quelmar::CommandPage</name>
    <message>
        <source>Уже занята — %1. В игре сработает новое назначение.</source>
        <translation>Already taken — %1. The game keeps the new one.</translation>
    </message>
</context>
<context>
    <name>quelmar::KeyMapWindow</name>
    <message>
        <source>страница «Управление»</source>
        <translation>the command page</translation>
    </message>
    <message>
        <source>«Закупка оружия»</source>
        <translation>the weapon purchase</translation>
    </message>
    <message>
        <source>строка открытого сценария</source>
        <translation>a line of the opened script</translation>
    </message>
    <message>
        <source>строка самой программы</source>
        <translation>the program&apos;s own line</translation>
    </message>
    <message>
        <source>«%1»</source>
        <translation>&quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: свободна.</source>
        <translation>%1: free.</translation>
    </message>
    <message>
        <source>%1: %2. Откуда: %3.</source>
        <translation>%1: %2. From: %3.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Заменяет: %1.</source>
        <translation>Replaces: %1.</translation>
    </message>
    <message>
        <source>Не работает: консоль не знает клавиши с таким именем.</source>
        <translation>Not working: the console knows no key of that name.</translation>
    </message>
    <message>
        <source>Её имя для этой клавиши — %1.</source>
        <translation>Its name for this key is %1.</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Что делает каждая клавиша</source>
        <translation>Every key&apos;s job</translation>
    </message>
    <message>
        <source>Нажмите на клавишу, чтобы увидеть её команду целиком.</source>
        <translation>Click a key to see its whole command.</translation>
    </message>
    <message>
        <source>Другие имена:</source>
        <translation>Other names:</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Закупка оружия</source>
        <translation>Buy weapons</translation>
    </message>
    <message>
        <source>Строка сценария</source>
        <translation>Script line</translation>
    </message>
    <message>
        <source>Сама программа</source>
        <translation>The program</translation>
    </message>
    <message>
        <source>Свободна</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>Не раз</source>
        <translation>Bound twice</translation>
    </message>
    <message>
        <source>Не работает</source>
        <translation>Not working</translation>
    </message>
</context>
<context>
    <name>quelmar::KeyboardWindow</name>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Запись </source>
        <translation>Record </translation>
    </message>
    <message>
        <source>Уже занята — %1. Запись её заменит.</source>
        <translation>Already taken — %1. Recording replaces it.</translation>
    </message>
</context>
<context>
    <name>quelmar::MainMenu</name>
    <message>
        <source>Настройки:</source>
        <translation>Settings:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
</context>
<context>
    <name>quelmar::MousePage</name>
    <message>
        <source>Настройки мышки</source>
        <translation>Mouse settings</translation>
    </message>
    <message>
        <source>Чувствительность мышки</source>
        <translation>Mouse sensitivity</translation>
    </message>
    <message>
        <source>Чувствительность мышки в режиме приближения</source>
        <translation>Mouse sensitivity when zoomed in</translation>
    </message>
    <message>
        <source>&quot;Сглаживание&quot; движения</source>
        <translation>Movement &quot;smoothing&quot;</translation>
    </message>
    <message>
        <source>Вертикальный реверс</source>
        <translation>Invert vertical</translation>
    </message>
    <message>
        <source>Горизонтальный реверс</source>
        <translation>Invert horizontal</translation>
    </message>
    <message>
        <source>Стрейф мышкой</source>
        <translation>Strafe with the mouse</translation>
    </message>
    <message>
        <source>Использовать мышку для кругового обзора</source>
        <translation>Use the mouse to look around</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
</context>
<context>
    <name>quelmar::OtherPage</name>
    <message>
        <source>Остальные настройки</source>
        <translation>Other settings</translation>
    </message>
    <message>
        <source>Снизу</source>
        <translation>Bottom</translation>
    </message>
    <message>
        <source>По центру</source>
        <translation>Centre</translation>
    </message>
    <message>
        <source>Текстовое</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Графическое</source>
        <translation>Graphic</translation>
    </message>
    <message>
        <source>Имя или Ник</source>
        <translation>Name or nick</translation>
    </message>
    <message>
        <source>Имя сервера</source>
        <translation>Server name</translation>
    </message>
    <message>
        <source>Вывод вверхний левый угол экрана последних сообщений из консоли</source>
        <translation>Show the latest console messages in the top left corner</translation>
    </message>
    <message>
        <source>Идентифицирующая надпись при  наведении на игрока</source>
        <translation>Name label when aiming at a player</translation>
    </message>
    <message>
        <source>Время показа надписи о чьей-нидудь смерти (сек)</source>
        <translation>How long a death notice stays (sec)</translation>
    </message>
    <message>
        <source>Режим быстрой смены оружия</source>
        <translation>Fast weapon switch</translation>
    </message>
    <message>
        <source>Время показа сообщения (сек)</source>
        <translation>How long a chat message stays (sec)</translation>
    </message>
    <message>
        <source>Радар</source>
        <translation>Radar</translation>
    </message>
    <message>
        <source>NetGraph (показывает различные параметры соединения)</source>
        <translation>NetGraph (shows the connection&apos;s figures)</translation>
    </message>
    <message>
        <source>Автоприцел</source>
        <translation>Auto-aim</translation>
    </message>
    <message>
        <source>Прицел при приближении</source>
        <translation>Crosshair when zoomed in</translation>
    </message>
    <message>
        <source>FPS в левом верхнем углу экрана </source>
        <translation>FPS in the top left corner of the screen </translation>
    </message>
    <message>
        <source>Соединение</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Меню</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Цвет текста консоли</source>
        <translation>Console text colour</translation>
    </message>
</context>
<context>
    <name>quelmar::PlayerPage</name>
    <message>
        <source>Настройки игрока</source>
        <translation>Player settings</translation>
    </message>
    <message>
        <source>Покачивание оружия при движении</source>
        <translation>Weapon bob while moving</translation>
    </message>
    <message>
        <source>Рука для оружия</source>
        <translation>Weapon hand</translation>
    </message>
    <message>
        <source>Показ прицела в режиме Observer</source>
        <translation>Crosshair in Observer mode</translation>
    </message>
    <message>
        <source>Скорость передвижения игрока назад</source>
        <translation>Player&apos;s backward speed</translation>
    </message>
    <message>
        <source>Скорость передвижения игрока вперед</source>
        <translation>Player&apos;s forward speed</translation>
    </message>
    <message>
        <source>Скорость смешения игрока влево и вправо</source>
        <translation>Player&apos;s sideways speed</translation>
    </message>
    <message>
        <source>Левая</source>
        <translation>Left</translation>
    </message>
    <message>
        <source>Правая</source>
        <translation>Right</translation>
    </message>
</context>
<context>
    <name>quelmar::SoundPage</name>
    <message>
        <source>Настройки звука</source>
        <translation>Sound settings</translation>
    </message>
    <message>
        <source>Громкость</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Громкость воспроизведения CD-Audio</source>
        <translation>CD audio volume</translation>
    </message>
    <message>
        <source>Высококачетвенный звук</source>
        <translation>High quality sound</translation>
    </message>
    <message>
        <source>Высококачетвенный звук [16 bit]</source>
        <translation>High quality sound [16 bit]</translation>
    </message>
    <message>
        <source>3х-мерные эффекты</source>
        <translation>3D effects</translation>
    </message>
    <message>
        <source>Голосовые сообщения</source>
        <translation>Voice messages</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>quelmar::VideoPage</name>
    <message>
        <source>Видео настройки</source>
        <translation>Video settings</translation>
    </message>
    <message>
        <source>Гамма</source>
        <translation>Gamma</translation>
    </message>
    <message>
        <source>Яркость</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>Гамма текстур (небо и т.д) </source>
        <translation>Texture gamma (sky etc.) </translation>
    </message>
    <message>
        <source>Максимальное кол-во дымовых спрайтов</source>
        <translation>Most smoke sprites</translation>
    </message>
    <message>
        <source>Макс. отображаемых следов от пуль, крови</source>
        <translation>Most bullet holes and blood stains</translation>
    </message>
    <message>
        <source>Качественная прорисовка моделей</source>
        <translation>High quality models</translation>
    </message>
    <message>
        <source>Динамический свет и фонарик</source>
        <translation>Dynamic light and flashlight</translation>
    </message>
    <message>
        <source>Поддержка ММХ</source>
        <translation>MMX support</translation>
    </message>
    <message>
        <source>Реализм дымовых спрайтов</source>
        <translation>Smoke sprite realism</translation>
    </message>
    <message>
        <source>Кровь</source>
        <translation>Blood</translation>
    </message>
    <message>
        <source>Режим 3DFX/NVIDIA</source>
        <translation>3DFX/NVIDIA mode</translation>
    </message>
    <message>
        <source>2-ой прицел</source>
        <translation>2nd crosshair</translation>
    </message>
    <message>
        <source>Высокий</source>
        <translation>High</translation>
    </message>
    <message>
        <source>Средний</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Низкий</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Одинарный</source>
        <translation>Single</translation>
    </message>
    <message>
        <source>Двойной</source>
        <translation>Double</translation>
    </message>
</context>
</TS>
