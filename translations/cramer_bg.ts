<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bg">
<context>
    <name>Files</name>
    <message numerus="yes">
        <source>Във файла „%1“ има %n системи една под друга, първата от %2, втората от %3. Запиши всяка система в отделен файл.</source>
        <translation>
            <numerusform>Във файла „%1“ има %n система една под друга, първата от %2, втората от %3. Запиши всяка система в отделен файл.</numerusform>
            <numerusform>Във файла „%1“ има %n системи една под друга, първата от %2, втората от %3. Запиши всяка система в отделен файл.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Във файла „%1“, лист „%2“, има %n системи една под друга, първата от ред %3, втората от ред %4. Сложи всяка система на отделен лист и избери листа с „Файл → Лист“ (или с --sheet).</source>
        <translation>
            <numerusform>Във файла „%1“, лист „%2“, има %n система една под друга, първата от ред %3, втората от ред %4. Сложи всяка система на отделен лист и избери листа с „Файл → Лист“ (или с --sheet).</numerusform>
            <numerusform>Във файла „%1“, лист „%2“, има %n системи една под друга, първата от ред %3, втората от ред %4. Сложи всяка система на отделен лист и избери листа с „Файл → Лист“ (или с --sheet).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n полета</source>
        <translation>
            <numerusform>%n поле</numerusform>
            <numerusform>%n полета</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n клетки</source>
        <translation>
            <numerusform>%n клетка</numerusform>
            <numerusform>%n клетки</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n уравнения</source>
        <translation>
            <numerusform>%n уравнение</numerusform>
            <numerusform>%n уравнения</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message numerus="yes">
        <source>%n реда</source>
        <translation>
            <numerusform>%n ред</numerusform>
            <numerusform>%n реда</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n клетки</source>
        <translation>
            <numerusform>%n клетка</numerusform>
            <numerusform>%n клетки</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message numerus="yes">
        <source>%n нули</source>
        <translation>
            <numerusform>%n нула</numerusform>
            <numerusform>%n нули</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>показано след %n опита</source>
        <translation>
            <numerusform>показано след %n опит</numerusform>
            <numerusform>показано след %n опита</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message numerus="yes">
        <source>Изтрити са %n запазени отговора на %1.</source>
        <translation>
            <numerusform>Изтрит е %n запазен отговор на %1.</numerusform>
            <numerusform>Изтрити са %n запазени отговора на %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message numerus="yes">
        <source>%n стъпки</source>
        <translation>
            <numerusform>%n стъпка</numerusform>
            <numerusform>%n стъпки</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>верни са %n значещи цифри</source>
        <translation>
            <numerusform>вярна е %n значеща цифра</numerusform>
            <numerusform>верни са %n значещи цифри</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>остават %n верни значещи цифри</source>
        <translation>
            <numerusform>остава %n вярна значеща цифра</numerusform>
            <numerusform>остават %n верни значещи цифри</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>обусловеността му по Скийл е ≈ %1, затова всеки устойчив метод може да загуби в него до около %n цифри</source>
        <translation>
            <numerusform>обусловеността му по Скийл е ≈ %1, затова всеки устойчив метод може да загуби в него до около %n цифра</numerusform>
            <numerusform>обусловеността му по Скийл е ≈ %1, затова всеки устойчив метод може да загуби в него до около %n цифри</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(общо %n цифри)</source>
        <translation>
            <numerusform>(общо %n цифра)</numerusform>
            <numerusform>(общо %n цифри)</numerusform>
        </translation>
    </message>
</context>
</TS>
