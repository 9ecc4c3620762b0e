<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>AboutDialog</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>Калькулятор хранилища TAVO</translation>
    </message>
    <message>
        <source>v4.0.0.50build</source>
        <translation>v4.0.0.50build</translation>
    </message>
    <message>
        <source>User Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Open Source Software Licenses</source>
        <translation>Лицензии открытого ПО</translation>
    </message>
    <message>
        <source>No user manual found.</source>
        <translation>Руководство пользователя не найдено.</translation>
    </message>
    <message>
        <source>Open Open Source Software Licenses file failed.</source>
        <translation>Не удалось открыть файл лицензий открытого ПО.</translation>
    </message>
</context>
<context>
    <name>BandWidthPage</name>
    <message>
        <source>IPC Counts</source>
        <translation>Кол-во IPC</translation>
    </message>
    <message>
        <source>DVR Counts</source>
        <translation>Кол-во DVR</translation>
    </message>
    <message>
        <source>Channel Counts</source>
        <translation>Число каналов</translation>
    </message>
    <message>
        <source>Total Band Width(%1)</source>
        <translation>Общая полоса пропускания (%1)</translation>
    </message>
</context>
<context>
    <name>CapacityCalculation</name>
    <message>
        <source>Capacity Calculation :</source>
        <translation>Расчёт ёмкости :</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>DataCalculatorPage</name>
    <message>
        <source>GB</source>
        <translation>ГБ</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>нед.</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>мес.</translation>
    </message>
    <message>
        <source>Months(s)</source>
        <translation>мес.</translation>
    </message>
    <message>
        <source> Day(s)</source>
        <translation> дн.</translation>
    </message>
    <message>
        <source> Week(s)</source>
        <translation> нед.</translation>
    </message>
    <message>
        <source> Month(s)</source>
        <translation> мес.</translation>
    </message>
    <message>
        <source> GB</source>
        <translation> ГБ</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>ТБ</translation>
    </message>
    <message>
        <source> TB</source>
        <translation> ТБ</translation>
    </message>
    <message>
        <source>CalTime</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>CalDisk</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>CalBandWith</source>
        <translation>Полоса</translation>
    </message>
    <message>
        <source>set disk size : </source>
        <translation>Ёмкость диска : </translation>
    </message>
    <message>
        <source>record time :</source>
        <translation>Запись в сутки :</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>set save time:</source>
        <translation>Срок хранения:</translation>
    </message>
    <message>
        <source>DAY</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>WEEK</source>
        <translation>Недели</translation>
    </message>
    <message>
        <source>MONTH</source>
        <translation>Месяцы</translation>
    </message>
    <message>
        <source>record time each day :</source>
        <translation>Запись в сутки :</translation>
    </message>
    <message>
        <source>Disk Array</source>
        <translation>Массив</translation>
    </message>
    <message numerus="yes">
        <source>%n week(s)</source>
        <translation>
            <numerusform>%n неделю</numerusform>
            <numerusform>%n недели</numerusform>
            <numerusform>%n недель</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n month(s)</source>
        <translation>
            <numerusform>%n месяц</numerusform>
            <numerusform>%n месяца</numerusform>
            <numerusform>%n месяцев</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s)</source>
        <translation>
            <numerusform>%n день</numerusform>
            <numerusform>%n дня</numerusform>
            <numerusform>%n дней</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DataDisplayPage</name>
    <message>
        <source>Video can be saved:</source>
        <translation>Срок хранения видео:</translation>
    </message>
    <message>
        <source>By Day</source>
        <translation>В днях</translation>
    </message>
    <message>
        <source>Day(s)</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>By Week</source>
        <translation>В неделях</translation>
    </message>
    <message>
        <source>Week(s)</source>
        <translation>нед.</translation>
    </message>
    <message>
        <source>By Month</source>
        <translation>В месяцах</translation>
    </message>
    <message>
        <source>Month(s)</source>
        <translation>мес.</translation>
    </message>
</context>
<context>
    <name>DeviceAddPage</name>
    <message>
        <source>Gpbs</source>
        <translation>Гбит/с</translation>
    </message>
    <message>
        <source>Mpbs</source>
        <translation>Мбит/с</translation>
    </message>
    <message>
        <source>Kpbs</source>
        <translation>Кбит/с</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Clear all the channels?</source>
        <translation>Удалить все каналы?</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>File (*.pdf )</source>
        <translation>Файл PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>Failed to save the file.</source>
        <translation>Не удалось сохранить файл.</translation>
    </message>
    <message>
        <source>h</source>
        <translation>ч</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>Device Name</source>
        <translation>Имя устройства</translation>
    </message>
    <message>
        <source>Device Quantity</source>
        <translation>Количество</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Разрешение</translation>
    </message>
    <message>
        <source>Frame Rate(fps)</source>
        <translation>Частота кадров (к/с)</translation>
    </message>
    <message>
        <source>Encoding</source>
        <translation>Кодек</translation>
    </message>
    <message>
        <source>Recommended Bitrate(kbps)</source>
        <translation>Рекомендуемый битрейт (Кбит/с)</translation>
    </message>
    <message>
        <source>Space Given</source>
        <translation>Заданная ёмкость диска</translation>
    </message>
    <message>
        <source>Disk Space</source>
        <translation>Ёмкость диска</translation>
    </message>
    <message>
        <source>Recording Time/day</source>
        <translation>Запись в сутки</translation>
    </message>
    <message>
        <source>Recording Time By Day</source>
        <translation>Срок хранения в днях</translation>
    </message>
    <message>
        <source>Recording Time By Week</source>
        <translation>Срок хранения в неделях</translation>
    </message>
    <message>
        <source>Recording Time By Month</source>
        <translation>Срок хранения в месяцах</translation>
    </message>
    <message>
        <source>Time Given</source>
        <translation>Заданный срок хранения</translation>
    </message>
    <message>
        <source>Recording Time</source>
        <translation>Срок хранения</translation>
    </message>
    <message>
        <source>Required Disk Space</source>
        <translation>Требуемая ёмкость диска</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Полоса пропускания</translation>
    </message>
    <message>
        <source>Total device number</source>
        <translation>Всего устройств</translation>
    </message>
    <message>
        <source>Total Band Width</source>
        <translation>Общая полоса пропускания</translation>
    </message>
    <message>
        <source>Add a device first.</source>
        <translation>Сначала добавьте устройство.</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Точно</translation>
    </message>
    <message>
        <source>Channel groups</source>
        <translation>Группы каналов</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>Storage plan</source>
        <translation>План хранения</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Storage bitrate</source>
        <translation>Битрейт записи</translation>
    </message>
    <message>
        <source>Disk for %1</source>
        <translation>Диск на %1</translation>
    </message>
    <message>
        <source>TAVO storage calculator</source>
        <translation>Калькулятор хранилища TAVO</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Итого</translation>
    </message>
    <message>
        <source>Storage by channel group</source>
        <translation>Доля записи по группам каналов</translation>
    </message>
    <message>
        <source>No channel group is recorded.</source>
        <translation>Ни одна группа каналов не записывается.</translation>
    </message>
    <message numerus="yes">
        <source>Others (%n groups)</source>
        <translation>
            <numerusform>Прочие (%n группа)</numerusform>
            <numerusform>Прочие (%n группы)</numerusform>
            <numerusform>Прочие (%n групп)</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to:</source>
        <translation>Сохранено в:</translation>
    </message>
    <message>
        <source>%1 is a folder. Choose a file name.</source>
        <translation>%1 — это папка. Выберите имя файла.</translation>
    </message>
    <message>
        <source>The folder %1 does not exist.</source>
        <translation>Папка %1 не существует.</translation>
    </message>
    <message>
        <source>No file can be created in the folder %1. Is it read-only?</source>
        <translation>В папке %1 нельзя создать файл. Возможно, она доступна только для чтения?</translation>
    </message>
    <message>
        <source>%1 could not be written to its end. Is the disk full?</source>
        <translation>Не удалось записать %1 до конца. Возможно, диск заполнен?</translation>
    </message>
    <message>
        <source>The earlier %1 could not be replaced and is left as it was.</source>
        <translation>Прежний файл %1 не удалось заменить, он оставлен без изменений.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Show in folder</source>
        <translation>Показать в папке</translation>
    </message>
    <message>
        <source>Not recorded</source>
        <translation>Без записи</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Постоянно</translation>
    </message>
    <message>
        <source>On motion, %1 %</source>
        <translation>По движению, %1 %</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Scene Activity</source>
        <translation>Активность сцены</translation>
    </message>
    <message>
        <source>%1 × %2 TB</source>
        <translation>%1 × %2 ТБ</translation>
    </message>
    <message numerus="yes">
        <source>%1 + %n spare(s)</source>
        <translation>
            <numerusform>%1 + %n запасной</numerusform>
            <numerusform>%1 + %n запасных</numerusform>
            <numerusform>%1 + %n запасных</numerusform>
        </translation>
    </message>
    <message>
        <source>Disk Array</source>
        <translation>Дисковый массив</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Проблема</translation>
    </message>
    <message>
        <source>%1 TB (%2 TiB)</source>
        <translation>%1 ТБ (%2 ТиБ)</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ТБ</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Диски</translation>
    </message>
    <message>
        <source>RAID Level</source>
        <translation>Уровень RAID</translation>
    </message>
    <message>
        <source>Hot Spares</source>
        <translation>Горячий резерв</translation>
    </message>
    <message>
        <source>Raw Capacity</source>
        <translation>Общая ёмкость</translation>
    </message>
    <message>
        <source>Usable Capacity</source>
        <translation>Полезная ёмкость</translation>
    </message>
    <message>
        <source>Kept at %1 h/day</source>
        <translation>Хранение при %1 ч в сутки</translation>
    </message>
    <message>
        <source>Drives for %1</source>
        <translation>Дисков на %1</translation>
    </message>
    <message>
        <source>Disk array</source>
        <translation>Дисковый массив</translation>
    </message>
    <message>
        <source>Cannot be built</source>
        <translation>Невозможен</translation>
    </message>
    <message>
        <source>%1, keeps %2</source>
        <translation>%1, хранит %2</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 сут.</translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s)</source>
        <translation>
            <numerusform>%n диск</numerusform>
            <numerusform>%n диска</numerusform>
            <numerusform>%n дисков</numerusform>
        </translation>
    </message>
    <message>
        <source>Add group</source>
        <extracomment>Undo history: the command that added one channel group (&quot;Undo Add group&quot;).</extracomment>
        <translation>Добавление группы</translation>
    </message>
    <message numerus="yes">
        <source>Import %n group(s)</source>
        <extracomment>Undo history: groups read from a CSV file (&quot;Undo Import 3 groups&quot;).</extracomment>
        <translation>
            <numerusform>Импорт %n группы</numerusform>
            <numerusform>Импорт %n групп</numerusform>
            <numerusform>Импорт %n групп</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete group</source>
        <extracomment>Undo history: the command that deleted one channel group (&quot;Undo Delete group&quot;).</extracomment>
        <translation>Удаление группы</translation>
    </message>
    <message>
        <source>Edit group</source>
        <extracomment>Undo history: the command that changed one channel group (&quot;Undo Edit group&quot;).</extracomment>
        <translation>Изменение группы</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <extracomment>Undo history: the command that copied a channel group (&quot;Undo Duplicate group&quot;).</extracomment>
        <translation>Копирование группы</translation>
    </message>
    <message>
        <source>Clear all groups</source>
        <extracomment>Undo history: the command that removed every channel group (&quot;Undo Clear&quot;).</extracomment>
        <translation>Очистка всех групп</translation>
    </message>
    <message>
        <source>Switch to PAL</source>
        <extracomment>Undo history: the switch of every group to the PAL video standard (&quot;Undo Switch to PAL&quot;).</extracomment>
        <translation>Переход на PAL</translation>
    </message>
    <message>
        <source>Switch to NTSC</source>
        <extracomment>Undo history: the switch of every group to the NTSC video standard (&quot;Undo Switch to NTSC&quot;).</extracomment>
        <translation>Переход на NTSC</translation>
    </message>
</context>
<context>
    <name>DeviceEditor</name>
    <message>
        <source>Channel Name</source>
        <translation>Имя канала</translation>
    </message>
    <message>
        <source>PAL</source>
        <translation>PAL</translation>
    </message>
    <message>
        <source>NTSC</source>
        <translation>NTSC</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Низкая</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Средняя</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Высокая</translation>
    </message>
    <message>
        <source>Low: scenarios with limited details, limited movement, e.g. stairway, warehouse, meeting room.</source>
        <translation>Низкая: мало деталей и движения, например лестница, склад, переговорная.</translation>
    </message>
    <message>
        <source>Medium: scenarios with medium details, medium movements, e.g. reception, schoolyard parking lot.</source>
        <translation>Средняя: умеренные детализация и движение, например приёмная, школьная парковка.</translation>
    </message>
    <message>
        <source>High: scenarios with lots of details, lots of movements, or low light, e.g. station, intersection, square.</source>
        <translation>Высокая: много деталей и движения или слабое освещение, например вокзал, перекрёсток, площадь.</translation>
    </message>
    <message>
        <source>Notes: For some extremely complex scenarios with lots of details and movements, the bitrate is likely to be far higher than recommended value.</source>
        <translation>Примечание: в очень сложных сценах с большим количеством деталей и движения битрейт может быть значительно выше рекомендуемого.</translation>
    </message>
    <message>
        <source>Recommend Rate :</source>
        <translation>Рекоменд. битрейт :</translation>
    </message>
    <message>
        <source>Add Device</source>
        <translation>Добавить устройство</translation>
    </message>
    <message>
        <source>Video standard</source>
        <translation>Видеостандарт</translation>
    </message>
    <message>
        <source>Device Type :</source>
        <translation>Тип устройства :</translation>
    </message>
    <message>
        <source>Channel Name :</source>
        <translation>Имя канала :</translation>
    </message>
    <message>
        <source>Fixed Rate</source>
        <translation>Постоянный</translation>
    </message>
    <message>
        <source>VarRate</source>
        <translation>Переменный</translation>
    </message>
    <message>
        <source>Encode Section :</source>
        <translation>Режим битрейта :</translation>
    </message>
    <message>
        <source>Device Resolution :</source>
        <translation>Разрешение :</translation>
    </message>
    <message>
        <source>Frame Rate :</source>
        <translation>Частота кадров :</translation>
    </message>
    <message>
        <source>Encoding Type :</source>
        <translation>Кодек :</translation>
    </message>
    <message>
        <source>Scene Complexity :</source>
        <translation>Сложность сцены :</translation>
    </message>
    <message>
        <source>Live view &amp; Recording</source>
        <translation>Просмотр и запись</translation>
    </message>
    <message>
        <source>Live view</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>View/Recording</source>
        <translation>Просмотр/запись</translation>
    </message>
    <message>
        <source>Channel Counts :</source>
        <translation>Число каналов :</translation>
    </message>
    <message>
        <source>Collapse panel</source>
        <translation>Свернуть панель</translation>
    </message>
    <message>
        <source>+ Add</source>
        <translation>+ Добавить</translation>
    </message>
    <message>
        <source>Enter the number of channels, 1 to %1</source>
        <translation>Введите число каналов, от 1 до %1</translation>
    </message>
    <message>
        <source>Enter the bitrate, 1 to %1 kbps</source>
        <translation>Введите битрейт, от 1 до %1 кбит/с</translation>
    </message>
    <message>
        <source>Enter the share of time, 1 to %1 %</source>
        <translation>Введите долю времени, от 1 до %1 %</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>Постоянно</translation>
    </message>
    <message>
        <source>On motion</source>
        <translation>По движению</translation>
    </message>
    <message>
        <source>Recording :</source>
        <translation>Запись:</translation>
    </message>
    <message>
        <source>Share of recording time in percent</source>
        <translation>Доля времени записи в процентах</translation>
    </message>
    <message>
        <source>Share of time (%) :</source>
        <translation>Доля времени (%):</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Button beside &quot;Save changes&quot; while a channel group is edited.</extracomment>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Cancel editing</source>
        <translation>Отменить изменение</translation>
    </message>
    <message>
        <source>Leave the group as it is and go back to adding groups</source>
        <translation>Оставить группу как есть и вернуться к добавлению групп</translation>
    </message>
    <message>
        <source>Edit Device</source>
        <extracomment>Title of the panel while it shows a channel group of the list to change.</extracomment>
        <translation>Изменение устройства</translation>
    </message>
    <message>
        <source>Save changes</source>
        <extracomment>Button that puts the edited channel group back into the list, changed.</extracomment>
        <translation>Сохранить изменения</translation>
    </message>
</context>
<context>
    <name>DeviceInfoManager</name>
    <message>
        <source>IPC</source>
        <translation>IPC</translation>
    </message>
    <message>
        <source>DVR</source>
        <translation>DVR</translation>
    </message>
</context>
<context>
    <name>DeviceListView</name>
    <message>
        <source>Edit group</source>
        <translation>Изменить группу</translation>
    </message>
    <message>
        <source>Duplicate group</source>
        <translation>Копировать группу</translation>
    </message>
    <message>
        <source>Delete group</source>
        <translation>Удалить группу</translation>
    </message>
</context>
<context>
    <name>DiskArray</name>
    <message>
        <source>A drive holds from %1 to %2 TB.</source>
        <translation>Ёмкость диска — от %1 до %2 ТБ.</translation>
    </message>
    <message>
        <source>An array has from 1 to %1 drives.</source>
        <translation>В массиве от 1 до %1 дисков.</translation>
    </message>
    <message>
        <source>The spares must leave drives for the data.</source>
        <translation>Резервные диски должны оставлять диски для данных.</translation>
    </message>
    <message numerus="yes">
        <source>This RAID level needs at least %n drive(s) besides the spares.</source>
        <translation>
            <numerusform>Для этого уровня RAID нужен хотя бы %n диск помимо резервных.</numerusform>
            <numerusform>Для этого уровня RAID нужно хотя бы %n диска помимо резервных.</numerusform>
            <numerusform>Для этого уровня RAID нужно хотя бы %n дисков помимо резервных.</numerusform>
        </translation>
    </message>
    <message>
        <source>RAID 10 needs an even number of drives besides the spares.</source>
        <translation>Для RAID 10 нужно чётное число дисков помимо резервных.</translation>
    </message>
    <message>
        <source>RAID 1 holds one drive&apos;s capacity: choose larger drives or another level.</source>
        <translation>RAID 1 даёт ёмкость одного диска: выберите диски больше или другой уровень.</translation>
    </message>
    <message>
        <source>RAID 1</source>
        <translation>RAID 1</translation>
    </message>
    <message>
        <source>RAID 5</source>
        <translation>RAID 5</translation>
    </message>
    <message>
        <source>RAID 6</source>
        <translation>RAID 6</translation>
    </message>
    <message>
        <source>RAID 10</source>
        <translation>RAID 10</translation>
    </message>
    <message>
        <source>No RAID</source>
        <translation>Без RAID</translation>
    </message>
</context>
<context>
    <name>DiskArrayPage</name>
    <message>
        <source>Drive size (TB) :</source>
        <translation>Размер диска (ТБ):</translation>
    </message>
    <message>
        <source>Drives :</source>
        <translation>Дисков:</translation>
    </message>
    <message>
        <source>RAID level :</source>
        <translation>Уровень RAID:</translation>
    </message>
    <message>
        <source>Hot spares :</source>
        <translation>Горячий резерв:</translation>
    </message>
    <message>
        <source>Raw capacity: %1 TB
Usable: %2 TB (%3 TiB)</source>
        <translation>Общая ёмкость: %1 ТБ
Полезная: %2 ТБ (%3 ТиБ)</translation>
    </message>
    <message>
        <source>Add a device to see how long the array keeps video.</source>
        <translation>Добавьте устройство, чтобы узнать срок хранения на массиве.</translation>
    </message>
    <message>
        <source>Keeps %1 days at %2 h a day</source>
        <translation>Хранит %1 сут. при %2 ч в сутки</translation>
    </message>
    <message>
        <source>Records no hours a day.</source>
        <translation>Запись 0 ч в сутки.</translation>
    </message>
    <message numerus="yes">
        <source>For %1: %n drive(s)</source>
        <translation>
            <numerusform>На %1: %n диск</numerusform>
            <numerusform>На %1: %n диска</numerusform>
            <numerusform>На %1: %n дисков</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ExactFigures</name>
    <message>
        <source>%1 days · %2 weeks · %3 months</source>
        <translation>%1 дн. · %2 нед. · %3 мес.</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 ТБ</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 ГБ</translation>
    </message>
    <message>
        <source>%1–%2 days depending on scene activity</source>
        <translation>%1–%2 сут. в зависимости от активности сцены</translation>
    </message>
    <message>
        <source>%1–%2 TB depending on scene activity</source>
        <translation>%1–%2 ТБ в зависимости от активности сцены</translation>
    </message>
    <message>
        <source>%1–%2 GB depending on scene activity</source>
        <translation>%1–%2 ГБ в зависимости от активности сцены</translation>
    </message>
    <message>
        <source>%1–%2 drives depending on scene activity</source>
        <translation>%1–%2 дисков в зависимости от активности сцены</translation>
    </message>
</context>
<context>
    <name>GroupCsv</name>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Поле в кавычках не закрыто.</translation>
    </message>
    <message>
        <source>The column “%1” is missing.</source>
        <translation>Нет столбца «%1».</translation>
    </message>
    <message>
        <source>The number of channels must be a whole number of at least 1.</source>
        <translation>Число каналов должно быть целым, не меньше 1.</translation>
    </message>
    <message>
        <source>The device type must be IPC or DVR.</source>
        <translation>Тип устройства должен быть IPC или DVR.</translation>
    </message>
    <message>
        <source>The bitrate must be a number greater than 0 and at most 204800 kbps.</source>
        <translation>Битрейт должен быть числом больше 0 и не больше 204800 кбит/с.</translation>
    </message>
    <message>
        <source>The view mode must be 1 (live view), 2 (recording) or 3 (live view and recording).</source>
        <translation>Режим должен быть 1 (просмотр), 2 (запись) или 3 (просмотр и запись).</translation>
    </message>
    <message>
        <source>The recording share must be a whole number from 1 to 100 (percent).</source>
        <translation>Доля записи должна быть целым числом от 1 до 100 (процентов).</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::DeviceItemWidget</name>
    <message>
        <source>Delete group</source>
        <translation>Удалить группу</translation>
    </message>
    <message>
        <source>Counts :</source>
        <translation>Кол-во :</translation>
    </message>
    <message>
        <source>Bit Rate :</source>
        <translation>Битрейт :</translation>
    </message>
    <message>
        <source>Resolution :</source>
        <translation>Разрешение :</translation>
    </message>
    <message>
        <source>Encode Type:</source>
        <translation>Кодек:</translation>
    </message>
    <message>
        <source>Scence Name:</source>
        <translation>Сцена:</translation>
    </message>
    <message>
        <source>Counts : %1</source>
        <translation>Кол-во : %1</translation>
    </message>
    <message>
        <source>Fixted Rate : %1 kbps</source>
        <translation>Пост. битрейт : %1 Кбит/с</translation>
    </message>
    <message>
        <source>Frame Rate : %1</source>
        <translation>Кадр/с : %1</translation>
    </message>
    <message>
        <source>Resolution : %1</source>
        <translation>Разрешение : %1</translation>
    </message>
    <message>
        <source>Encode Type : %1</source>
        <translation>Кодек : %1</translation>
    </message>
    <message>
        <source>Variable Rate : %1 kbps</source>
        <translation>Перем. битрейт : %1 Кбит/с</translation>
    </message>
    <message>
        <source>Scene Type : %1</source>
        <translation>Сцена : %1</translation>
    </message>
    <message>
        <source>On motion %1 %</source>
        <translation>Движение %1 %</translation>
    </message>
    <message>
        <source>Records on motion, %1 % of the time</source>
        <translation>Запись по движению, %1 % времени</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::TipDialog</name>
    <message>
        <source>sure</source>
        <translation>Вы уверены?</translation>
    </message>
</context>
<context>
    <name>NM_Vantor::WarningDialog</name>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Success</source>
        <translation>Успешно</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
</context>
<context>
    <name>PlanDocument</name>
    <message>
        <source>The plan %1 cannot be read.</source>
        <translation>Не удаётся прочитать план %1.</translation>
    </message>
    <message>
        <source>The file is not a storage plan.</source>
        <translation>Этот файл не является планом хранилища.</translation>
    </message>
    <message>
        <source>This plan was saved in format version %1 by a newer version of the program; this version reads format version %2 and older. Please update the program to open it.</source>
        <translation>Этот план сохранён новой версией программы в формате версии %1; эта версия читает формат версии %2 и старше. Обновите программу, чтобы открыть его.</translation>
    </message>
    <message>
        <source>The plan is damaged: the field “%1” is missing.</source>
        <translation>План повреждён: нет поля «%1».</translation>
    </message>
    <message>
        <source>The plan is damaged: the field “%1” has an invalid value.</source>
        <translation>План повреждён: у поля «%1» недопустимое значение.</translation>
    </message>
</context>
<context>
    <name>PlanMenu</name>
    <message>
        <source>New</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>Open…</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>Recent Plans</source>
        <translation>Недавние планы</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Export Groups to CSV…</source>
        <translation>Экспорт групп в CSV…</translation>
    </message>
    <message>
        <source>Import Groups from CSV…</source>
        <translation>Импорт групп из CSV…</translation>
    </message>
    <message>
        <source>No Recent Plans</source>
        <translation>Нет недавних планов</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <extracomment>Menu entry; %1 is the step it takes back, e.g. &quot;Undo Delete group&quot;.</extracomment>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <extracomment>Menu entry; %1 is the step it does again, e.g. &quot;Redo Delete group&quot;.</extracomment>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
</context>
<context>
    <name>PlanSession</name>
    <message>
        <source>TAVO storage plans (*.tavoplan)</source>
        <translation>Планы хранилища TAVO (*.tavoplan)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Без названия</translation>
    </message>
    <message>
        <source>Open Plan</source>
        <translation>Открыть план</translation>
    </message>
    <message>
        <source>The file %1 is too large to open (%2 MB; at most %3 MB).</source>
        <translation>Файл %1 слишком велик (%2 МБ; не больше %3 МБ).</translation>
    </message>
    <message>
        <source>The plan %1 was not opened. %2</source>
        <translation>План %1 не открыт. %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>Не удаётся прочитать файл %1.</translation>
    </message>
    <message>
        <source>Save Plan As</source>
        <translation>Сохранить план как</translation>
    </message>
    <message>
        <source>The plan could not be saved to %1. The file there is as it was before, and the plan keeps its unsaved changes.</source>
        <translation>Не удалось сохранить план в %1. Файл там остался прежним, несохранённые изменения плана сохраняются.</translation>
    </message>
    <message>
        <source>The plan could not be saved to %1. It keeps its unsaved changes.</source>
        <translation>Не удалось сохранить план в %1. Несохранённые изменения сохраняются.</translation>
    </message>
    <message>
        <source>The plan has no channel groups to export.</source>
        <translation>В плане нет групп каналов для экспорта.</translation>
    </message>
    <message>
        <source>Export Groups to CSV</source>
        <translation>Экспорт групп в CSV</translation>
    </message>
    <message>
        <source>The groups could not be written to %1. Any file there is as it was before.</source>
        <translation>Не удалось записать группы в %1. Имеющийся там файл не изменён.</translation>
    </message>
    <message>
        <source>Import Groups from CSV</source>
        <translation>Импорт групп из CSV</translation>
    </message>
    <message>
        <source>%1 separates its columns with semicolons. Save it from the spreadsheet as CSV with commas and import it again.</source>
        <translation>В %1 столбцы разделены точкой с запятой. Сохраните его в таблице как CSV с запятыми и импортируйте снова.</translation>
    </message>
    <message>
        <source>No groups were imported from %1. Line %2: %3</source>
        <translation>Из %1 не импортировано ни одной группы. Строка %2: %3</translation>
    </message>
    <message>
        <source>%1 holds no channel groups.</source>
        <translation>В %1 нет групп каналов.</translation>
    </message>
    <message>
        <source>Restore Plan</source>
        <translation>Восстановить план</translation>
    </message>
    <message>
        <source>The program did not end normally. Restore the plan you were working on?</source>
        <translation>Программа завершилась некорректно. Восстановить план, с которым вы работали?</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Отказаться</translation>
    </message>
    <message>
        <source>The plan could not be restored. %1</source>
        <translation>Не удалось восстановить план. %1</translation>
    </message>
    <message>
        <source>Change calculator input</source>
        <extracomment>Undo history: a change of the disk size, retention, hours or disk array (&quot;Undo Change calculator input&quot;).</extracomment>
        <translation>Изменение параметров расчёта</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Writing the report…</source>
        <translation>Создание отчёта…</translation>
    </message>
    <message>
        <source>Report progress</source>
        <translation>Ход создания отчёта</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Stop writing the report</source>
        <translation>Остановить создание отчёта</translation>
    </message>
</context>
<context>
    <name>SaveChangesDialog</name>
    <message>
        <source>Save Changes</source>
        <translation>Сохранить изменения</translation>
    </message>
    <message>
        <source>Save changes to “%1”?</source>
        <translation>Сохранить изменения в «%1»?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Не сохранять</translation>
    </message>
</context>
<context>
    <name>ScenceSelector</name>
    <message>
        <source>Scence:</source>
        <translation>Сцена:</translation>
    </message>
    <message>
        <source>Get Picture Failure</source>
        <translation>Не удалось загрузить изображение</translation>
    </message>
</context>
<context>
    <name>SizeDisplayPage</name>
    <message>
        <source>Calculate the required disk capacity :</source>
        <translation>Требуемая ёмкость диска :</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p align=&quot;center&quot;&gt;&lt;span style=&quot; font-size:48pt; color:#467dd3;&quot;&gt;%1&lt;/span&gt;&lt;span style=&quot; font-size:16pt; color:#467dd3;&quot;&gt;&lt;/span&gt;&lt;span style=&quot; font-size:20pt; color:#467dd3;&quot;&gt;%2&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>UpdateDialog</name>
    <message>
        <source>Update Data</source>
        <translation>Обновление данных</translation>
    </message>
    <message>
        <source>Replace the recording scenes of the variable-rate mode: export the template, fill it in with one row per scene, encoding and resolution, then import it. The pictures it names are copied beside the program. The new scenes are used after a restart.</source>
        <translation>Замена сцен записи для режима переменного битрейта: экспортируйте шаблон, заполните его по строке на каждую сцену, кодек и разрешение, затем импортируйте. Указанные в нём изображения копируются к программе. Новые сцены действуют после перезапуска.</translation>
    </message>
    <message>
        <source>Export Data</source>
        <translation>Экспорт шаблона</translation>
    </message>
    <message>
        <source>Import Templete</source>
        <translation>Импорт шаблона</translation>
    </message>
    <message>
        <source>TextLabel</source>
        <translation>TextLabel</translation>
    </message>
    <message>
        <source>tip text</source>
        <translation>tip text</translation>
    </message>
    <message>
        <source>Tip: Need to Restart</source>
        <translation>Подсказка: требуется перезапуск</translation>
    </message>
    <message>
        <source>Export Success.</source>
        <translation>Экспорт выполнен.</translation>
    </message>
    <message>
        <source>Export Failure.</source>
        <translation>Ошибка экспорта.</translation>
    </message>
    <message>
        <source>Import Success, Restart Software to Work.</source>
        <translation>Импорт выполнен. Перезапустите программу, чтобы применить его.</translation>
    </message>
    <message>
        <source>Import Failure.</source>
        <translation>Ошибка импорта.</translation>
    </message>
    <message>
        <source>Scene,Encoding,Resolution,Recommended Bitrate(kbps),Picture Path
</source>
        <translation>Сцена,Кодек,Разрешение,Рекомендуемый битрейт (кбит/с),Путь к изображению
</translation>
    </message>
    <message>
        <source>Hospital,H.265,720P,1204,D:\secne\hospital1.png
</source>
        <translation>Больница,H.265,720P,1204,D:\scene\hospital1.png
</translation>
    </message>
    <message>
        <source>Hospital,H.264,1080P,2048,D:\secne\hospital2.png
</source>
        <translation>Больница,H.264,1080P,2048,D:\scene\hospital2.png
</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>The file is write-protected.</source>
        <translation>Файл защищён от записи.</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>Не удалось записать файл.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>Не удаётся прочитать файл.</translation>
    </message>
    <message>
        <source>The first line must be the column header of the template.</source>
        <translation>Первой строкой должна быть строка заголовков шаблона.</translation>
    </message>
    <message>
        <source>A row needs at least scene, encoding, resolution and bitrate.</source>
        <translation>В строке нужны как минимум сцена, кодек, разрешение и битрейт.</translation>
    </message>
    <message>
        <source>The scene name is empty.</source>
        <translation>Не указано название сцены.</translation>
    </message>
    <message>
        <source>The encoding is not one of the program&apos;s encodings.</source>
        <translation>Этот кодек не поддерживается программой.</translation>
    </message>
    <message>
        <source>The resolution is not one of that encoding&apos;s resolutions.</source>
        <translation>Это разрешение недоступно для данного кодека.</translation>
    </message>
    <message>
        <source>The bitrate must be a whole number from 1 to 204800.</source>
        <translation>Битрейт должен быть целым числом от 1 до 204800.</translation>
    </message>
    <message>
        <source>The file holds no scenes.</source>
        <translation>В файле нет сцен.</translation>
    </message>
    <message>
        <source>The scene file could not be written; nothing was changed.</source>
        <translation>Не удалось записать файл сцен; ничего не изменено.</translation>
    </message>
    <message>
        <source>Open File</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%n picture(s) could not be copied: %1</source>
        <translation>
            <numerusform>Не удалось скопировать %n изображение: %1</numerusform>
            <numerusform>Не удалось скопировать %n изображения: %1</numerusform>
            <numerusform>Не удалось скопировать %n изображений: %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>Сохранено в %1</translation>
    </message>
</context>
<context>
    <name>UpgradeTool</name>
    <message>
        <source>Upgrade</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Обновление</translation>
    </message>
    <message>
        <source>New version found</source>
        <translation>Найдена новая версия</translation>
    </message>
    <message>
        <source>No Prompt</source>
        <translation>Больше не напоминать</translation>
    </message>
    <message>
        <source>Could not check for updates: no update server is set up.</source>
        <translation>Не удалось проверить обновления: сервер обновлений не настроен.</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server address is not valid.</source>
        <translation>Не удалось проверить обновления: неверный адрес сервера обновлений.</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server could not be reached.</source>
        <translation>Не удалось проверить обновления: сервер обновлений недоступен.</translation>
    </message>
    <message>
        <source>Could not check for updates: the update server&apos;s answer was not understood.</source>
        <translation>Не удалось проверить обновления: ответ сервера обновлений не распознан.</translation>
    </message>
    <message>
        <source>The download page could not be opened: %1</source>
        <translation>Не удалось открыть страницу загрузки: %1</translation>
    </message>
</context>
<context>
    <name>VantorMainPage</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>Калькулятор хранилища TAVO</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Exit the TAVO storage calculator software?</source>
        <translation>Выйти из программы «Калькулятор хранилища TAVO»?</translation>
    </message>
    <message>
        <source>Update Data…</source>
        <translation>Обновление данных…</translation>
    </message>
    <message>
        <source>Check for Updates…</source>
        <translation>Проверить обновления…</translation>
    </message>
    <message>
        <source>Currently the latest version.</source>
        <translation>Установлена последняя версия.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The language could not be saved: %1 could not be written.</source>
        <translation>Не удалось сохранить язык: не удалось записать %1.</translation>
    </message>
    <message>
        <source>The new language applies when the program starts again. Restart now?</source>
        <translation>Новый язык будет применён после перезапуска программы. Перезапустить сейчас?</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <comment>plan name, program name</comment>
        <translation>%1 — %2</translation>
    </message>
</context>
<context>
    <name>WidgetDeviceListBorder</name>
    <message>
        <source>WidgetDeviceListBorder</source>
        <translation>Список устройств</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;NO DEVICE, &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Please Add Device!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:18pt; color:#D9DaDb;&quot;&gt;НЕТ УСТРОЙСТВ. &lt;/span&gt;&lt;span style=&quot; font-size:18pt; font-weight:600; color:#D9dadb;&quot;&gt;Добавьте устройство!&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
</context>
<context>
    <name>apt::ToolsApplication</name>
    <message>
        <source>Hint</source>
        <translation>Сообщение</translation>
    </message>
    <message>
        <source>TAVO storage calculator is already running.</source>
        <translation>Калькулятор хранилища TAVO уже запущен.</translation>
    </message>
    <message>
        <source>Display resolution less than 1024*768,are you sure to start the program?</source>
        <translation>Разрешение экрана меньше 1024*768. Всё равно запустить программу?</translation>
    </message>
    <message>
        <source>The program could not be restarted. Please start it again yourself.</source>
        <translation>Не удалось перезапустить программу. Запустите её снова вручную.</translation>
    </message>
</context>
<context>
    <name>aptui::BaseDialog</name>
    <message>
        <source>null content</source>
        <translation>Нет содержимого</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Сообщение</translation>
    </message>
</context>
<context>
    <name>aptui::BaseTitle</name>
    <message>
        <source>Application menu</source>
        <translation>Меню приложения</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>aptui::CDlgAbout</name>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source> v2.0.0.3</source>
        <translation> v2.0.0.3</translation>
    </message>
    <message>
        <source>Program icon</source>
        <translation>Значок программы</translation>
    </message>
</context>
<context>
    <name>aptui::InputTip</name>
    <message>
        <source>Whole numbers from %1 to %2</source>
        <translation>Целые числа от %1 до %2</translation>
    </message>
    <message numerus="yes">
        <source>Numbers from %1 to %2, up to %n decimal place(s)</source>
        <translation>
            <numerusform>Числа от %1 до %2, не больше %n знака после запятой</numerusform>
            <numerusform>Числа от %1 до %2, не больше %n знаков после запятой</numerusform>
            <numerusform>Числа от %1 до %2, не больше %n знаков после запятой</numerusform>
        </translation>
    </message>
    <message>
        <source>This input is not accepted here</source>
        <translation>Здесь такой ввод не принимается</translation>
    </message>
</context>
<context>
    <name>aptui::Switch</name>
    <message>
        <source>ON</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>Выкл</translation>
    </message>
</context>
<context>
    <name>aptui::WindowTitle</name>
    <message>
        <source>Application icon</source>
        <translation>Значок приложения</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Свернуть</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>System menu</source>
        <translation>Системное меню</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>Развернуть</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>TAVO storage calculator</source>
        <translation>Калькулятор хранилища TAVO</translation>
    </message>
</context>
</TS>
