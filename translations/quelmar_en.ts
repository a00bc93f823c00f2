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
    <name>quelmar::KeyboardWindow</name>
    <message>
        <source>Добавить</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Запись </source>
        <translation>Record </translation>
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
