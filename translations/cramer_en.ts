<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>CommandLine</name>
    <message>
        <source>непозната опция „%1“ (cramer --help изрежда опциите).</source>
        <translation>unknown option “%1” (cramer --help lists the options).</translation>
    </message>
    <message>
        <source>опцията „%1“ иска стойност (cramer --help).</source>
        <translation>the option “%1” needs a value (cramer --help).</translation>
    </message>
    <message>
        <source>командният ред не може да бъде разчетен: %1</source>
        <translation>the command line cannot be read: %1</translation>
    </message>
    <message>
        <source>--format приема text, html, latex, pdf или csv, а не „%1“.</source>
        <translation>--format takes text, html, latex, pdf or csv, not “%1”.</translation>
    </message>
    <message>
        <source>--locale приема име на локал като bg_BG, bg_BG.UTF-8, en_US или C, а не „%1“.</source>
        <translation>--locale takes a locale name such as bg_BG, bg_BG.UTF-8, en_US or C, not “%1”.</translation>
    </message>
    <message>
        <source>--new-exercise приема брой уравнения от 2 до 9, а не „%1“.</source>
        <translation>--new-exercise takes a number of equations from 2 to 9, not “%1”.</translation>
    </message>
    <message>
        <source>--seed приема цяло неотрицателно число, а не „%1“.</source>
        <translation>--seed takes a non-negative integer, not “%1”.</translation>
    </message>
    <message>
        <source>--worksheet приема брой варианти от 1 до 60, а не „%1“.</source>
        <translation>--worksheet takes a number of variants from 1 to 60, not “%1”.</translation>
    </message>
    <message>
        <source>--size приема брой уравнения от 2 до 9, а не „%1“.</source>
        <translation>--size takes a number of equations from 2 to 9, not “%1”.</translation>
    </message>
    <message>
        <source>--answers приема integers, fractions или decimals, а не „%1“.</source>
        <translation>--answers takes integers, fractions or decimals, not “%1”.</translation>
    </message>
    <message>
        <source>--singular приема none или some, а не „%1“.</source>
        <translation>--singular takes none or some, not “%1”.</translation>
    </message>
    <message>
        <source>--per-page приема 1, 2 или 4, а не „%1“.</source>
        <translation>--per-page takes 1, 2 or 4, not “%1”.</translation>
    </message>
    <message>
        <source>--range приема цяло число от 1 до 99, а не „%1“.</source>
        <translation>--range takes an integer from 1 to 99, not “%1”.</translation>
    </message>
    <message>
        <source>--format приема за работен лист pdf, html, latex, text, ods или xlsx, а не „%1“.</source>
        <translation>--format takes pdf, html, latex, text, ods or xlsx for a worksheet, not “%1”.</translation>
    </message>
    <message>
        <source>Програмата успя да направи само %1 от %2 различни варианта: с коефициенти и отговори от −%3 до %3 няма повече различни системи с %4 уравнения. Увеличи обхвата (--range) или намали броя на вариантите.</source>
        <translation>The program could make only %1 of %2 different variants: with coefficients and answers from −%3 to %3 there are no more different systems of %4 equations. Widen the range (--range) or ask for fewer variants.</translation>
    </message>
    <message>
        <source>Код на листа (--seed): %1</source>
        <translation>Worksheet code (--seed): %1</translation>
    </message>
    <message>
        <source>Работната книга не може да се направи: липсва библиотеката %1 (пакетът libzip4).</source>
        <translation>The workbook cannot be made: the library %1 is missing (the package libzip4).</translation>
    </message>
    <message>
        <source>„%1“ е файлът, от който се чете системата: решението не се записва върху него. Посочи друг файл с --output.</source>
        <translation>“%1” is the file the system is read from: the solution is not written over it. Name another file with --output.</translation>
    </message>
    <message>
        <source>Решението не може да бъде записано на стандартния изход: %1.</source>
        <translation>The solution cannot be written to standard output: %1.</translation>
    </message>
    <message>
        <source>--language приема bg или en, а не „%1“.</source>
        <translation>--language takes bg or en, not “%1”.</translation>
    </message>
</context>
<context>
    <name>CommandLineHelp</name>
    <message>
        <source>Решава система от 2 до 9 линейни уравнения по метода на Крамер и показва всяка детерминанта по пътя.
Стандартните опции на Qt, като -style и -platform, също работят; виж cramer(1).

Без прозорец: --solve ФАЙЛ записва подробното решение, --new-exercise N нова задача,
--worksheet N работен лист с N варианта за клас (--format приема и ods и xlsx; използваният код
отива в стандартната грешка).
ФАЙЛ е CSV или текст, както го пишат електронните таблици, или работна книга .ods или .xlsx
(листът, показан при запазването, иначе първият със система; --sheet посочва друг). --format
решава формата, каквото и да е името на изхода.
Код на изхода: 0 решено (или записано), 1 грешен вход или опции, 2 особена система (методът
намери d = 0 или d е точно 0; изводът отива в стандартната грешка, CSV е празен), 3 число извън
обхвата на единичната точност, въведено или пресметнато (без CSV), 4 изходът не може да бъде
записан или липсва библиотека, нужна на програмата (GMP, MPFR, libzip).</source>
        <translation>Solves a system of 2 to 9 linear equations by Cramer&apos;s rule and shows every determinant on the way.
Qt&apos;s standard options, such as -style and -platform, work too; see cramer(1).

Without a window: --solve FILE writes the worked solution, --new-exercise N a new system,
--worksheet N a worksheet of N variants for a class (--format also ods or xlsx; the seed used
goes to standard error).
FILE is CSV or text as spreadsheets write it, or an .ods or .xlsx workbook (the sheet shown when
it was saved, else the first that holds a system; --sheet names another). --format decides the
form, whatever the output&apos;s name.
Exit status: 0 solved (or written), 1 bad input or options, 2 singular (the method found d = 0,
or d is exactly 0; the verdict goes to standard error, the CSV is empty), 3 a number beyond
single precision, typed or computed (no CSV), 4 the output cannot be written, or a library
the program needs (GMP, MPFR, libzip) is missing.</translation>
    </message>
    <message>
        <source>Показва помощ за опциите на командния ред.</source>
        <translation>Displays help on commandline options.</translation>
    </message>
    <message>
        <source>Решава системата във &lt;file&gt; (CSV, ODS или XLSX; - за стандартния вход) без прозорец.</source>
        <translation>Solves the system in &lt;file&gt; (CSV, ODS or XLSX; - for standard input) without a window.</translation>
    </message>
    <message>
        <source>Чете листа &lt;name&gt; от работната книга, скрит или не.</source>
        <translation>Reads the workbook&apos;s sheet &lt;name&gt;, hidden or not.</translation>
    </message>
    <message>
        <source>Какво записва --solve: text (по подразбиране), html, latex, pdf или csv (x1 ... xn).</source>
        <translation>What --solve writes: text (the default), html, latex, pdf, or csv (x1 ... xn).</translation>
    </message>
    <message>
        <source>Записва в &lt;file&gt; вместо в стандартния изход.</source>
        <translation>Writes to &lt;file&gt; instead of standard output.</translation>
    </message>
    <message>
        <source>Числата, както ги пише &lt;name&gt; (bg_BG, en_US, C, ...); по подразбиране тези на средата (LC_ALL, LC_NUMERIC, LANG).</source>
        <translation>Numbers as &lt;name&gt; writes them (bg_BG, en_US, C, ...); the default is the environment&apos;s (LC_ALL, LC_NUMERIC, LANG).</translation>
    </message>
    <message>
        <source>Думите на прозореца и на това, което записват --solve и --worksheet: bg (български, по подразбиране) или en (английски). Иначе прозорецът говори на езика, избран последно в менюто „Изглед“.</source>
        <translation>The words of the window and of what --solve and --worksheet write: bg (Bulgarian, the default) or en (English). The window otherwise speaks the language last chosen in its View menu.</translation>
    </message>
    <message>
        <source>Записва нова задача с &lt;n&gt; уравнения (2 ... 9) като CSV.</source>
        <translation>Writes a new exercise of &lt;n&gt; equations (2 ... 9) as CSV.</translation>
    </message>
    <message>
        <source>Решението на новата задача е с прости дроби.</source>
        <translation>The new exercise&apos;s solution has simple fractions.</translation>
    </message>
    <message>
        <source>Прави новите задачи от &lt;number&gt;: всеки път едни и същи.</source>
        <translation>Makes new exercises from &lt;number&gt;: the same ones every time.</translation>
    </message>
    <message>
        <source>Записва работен лист с &lt;n&gt; различни варианта (1 ... 60) на един вид система.</source>
        <translation>Writes a worksheet of &lt;n&gt; different variants (1 ... 60) of one kind of system.</translation>
    </message>
    <message>
        <source>Броят на уравненията в работния лист (2 ... 9; по подразбиране 3).</source>
        <translation>The worksheet&apos;s number of equations (2 ... 9; 3 by default).</translation>
    </message>
    <message>
        <source>Отговорите в работния лист: integers (по подразбиране), fractions или decimals.</source>
        <translation>The worksheet&apos;s answers: integers (the default), fractions or decimals.</translation>
    </message>
    <message>
        <source>none (по подразбиране) или some: около един вариант от пет няма решение или има безброй много.</source>
        <translation>none (the default), or some: about one variant in five has no solution or infinitely many.</translation>
    </message>
    <message>
        <source>Коефициентите на работния лист са в -&lt;r&gt; ... &lt;r&gt; (1 ... 99; по подразбиране 9).</source>
        <translation>The worksheet&apos;s coefficients lie between -&lt;r&gt; and &lt;r&gt; (1 ... 99; 9 by default).</translation>
    </message>
    <message>
        <source>Добавя към работния лист ключа с отговорите, на отделни страници.</source>
        <translation>Adds the answer key to the worksheet, on pages of its own.</translation>
    </message>
    <message>
        <source>Добавя към работния лист подробното решение на всеки вариант.</source>
        <translation>Adds every variant&apos;s worked solution to the worksheet.</translation>
    </message>
    <message>
        <source>Вариантите на една страница от работния лист: 1, 2 (по подразбиране) или 4.</source>
        <translation>Variants on a page of the worksheet: 1, 2 (the default) or 4.</translation>
    </message>
    <message>
        <source>Заглавието на работния лист.</source>
        <translation>The worksheet&apos;s title.</translation>
    </message>
    <message>
        <source>Система, която да се отвори в прозореца.</source>
        <translation>A system to open in the window.</translation>
    </message>
</context>
<context>
    <name>CopiedSolution</name>
    <message>
        <source>Копирай решението</source>
        <translation>Copy Solution</translation>
    </message>
    <message>
        <source>Копирай като LaTeX</source>
        <translation>Copy as LaTeX</translation>
    </message>
    <message>
        <source>Система:</source>
        <translation>System:</translation>
    </message>
    <message>
        <source>Детерминанти:</source>
        <translation>Determinants:</translation>
    </message>
    <message>
        <source>Решение:</source>
        <translation>Solution:</translation>
    </message>
    <message>
        <source> (в реда за резултата %1)</source>
        <translation> (%1 in the result row)</translation>
    </message>
</context>
<context>
    <name>Figures</name>
    <message>
        <source>Графично представяне</source>
        <translation>Graphical view</translation>
    </message>
    <message>
        <source>Всяко уравнение е права в равнината с оси %1 и %2. Правите се пресичат в точката %3: това е решението на системата.</source>
        <translation>Each equation is a line in the plane with axes %1 and %2. The lines meet at the point %3: this is the solution of the system.</translation>
    </message>
    <message>
        <source>Всяко уравнение е права в равнината с оси %1 и %2. Правите са успоредни и нямат обща точка: системата няма решение.</source>
        <translation>Each equation is a line in the plane with axes %1 and %2. The lines are parallel and have no point in common: the system has no solution.</translation>
    </message>
    <message>
        <source>Всяко уравнение е права в равнината с оси %1 и %2. Двете уравнения описват една и съща права: всяка нейна точка е решение, системата има безброй много решения.</source>
        <translation>Each equation is a line in the plane with axes %1 and %2. Both equations describe the same line: each of its points is a solution, the system has infinitely many solutions.</translation>
    </message>
    <message>
        <source>Уравнение %1 няма неизвестни (коефициентите му са 0) и не е права.</source>
        <translation>Equation %1 has no unknowns (its coefficients are 0) and is not a line.</translation>
    </message>
    <message>
        <source>права %1 (%2): </source>
        <translation>line %1 (%2): </translation>
    </message>
    <message>
        <source>плътна</source>
        <translation>solid</translation>
    </message>
    <message>
        <source>прекъсната</source>
        <translation>dashed</translation>
    </message>
    <message>
        <source>d, %1 и %2 са лицата със знак на успоредниците върху колоните на матрицата: d върху %3 и %4, %1 върху b и %4, %2 върху %3 и b (b е колоната на свободните членове). Лицето е положително (плътно запълване), когато втората колона е обратно на часовниковата стрелка от първата, и отрицателно (щриховка) иначе. Така %5 = %1 / d и %6 = %2 / d са отношения на лица.</source>
        <translation>d, %1 and %2 are the signed areas of the parallelograms on the columns of the matrix: d on %3 and %4, %1 on b and %4, %2 on %3 and b (b is the column of the constant terms). An area is positive (solid fill) when the second column is anticlockwise from the first, and negative (hatched) otherwise. So %5 = %1 / d and %6 = %2 / d are ratios of areas.</translation>
    </message>
    <message>
        <source>Лицата: %1.</source>
        <translation>The areas: %1.</translation>
    </message>
    <message>
        <source>?</source>
        <translation>?</translation>
    </message>
    <message>
        <source>Правите на двете уравнения</source>
        <translation>The lines of the two equations</translation>
    </message>
    <message>
        <source>d, d₁ и d₂ като лица</source>
        <translation>d, d₁ and d₂ as areas</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>&amp;Отвори…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>&amp;Запази</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Запази &amp;като…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Последни файлове</source>
        <translation>&amp;Recent Files</translation>
    </message>
    <message>
        <source>Отваряне на система</source>
        <translation>Open a system</translation>
    </message>
    <message>
        <source>Запазване на системата</source>
        <translation>Save the system</translation>
    </message>
    <message>
        <source>Системи (*.csv *.txt *.ods *.fods *.xlsx);;Таблици (*.ods *.fods *.xlsx);;Всички файлове (*)</source>
        <translation>Systems (*.csv *.txt *.ods *.fods *.xlsx);;Spreadsheets (*.ods *.fods *.xlsx);;All Files (*)</translation>
    </message>
    <message>
        <source>Системи CSV (*.csv)</source>
        <translation>CSV systems (*.csv)</translation>
    </message>
    <message>
        <source>система.csv</source>
        <translation>system.csv</translation>
    </message>
    <message>
        <source>Файлът „%1“ вече съществува. Да бъде ли заменен?</source>
        <translation>The file “%1” already exists. Replace it?</translation>
    </message>
    <message>
        <source>В таблицата има числа, които не са запазени във файл. Да ги запазя ли?</source>
        <translation>The grid has unsaved numbers. Save them?</translation>
    </message>
    <message>
        <source>%1 - %2</source>
        <translation>%1 - %2</translation>
    </message>
    <message>
        <source>Файлът „%1“ не съществува.</source>
        <translation>The file “%1” does not exist.</translation>
    </message>
    <message>
        <source>„%1“ не е файл.</source>
        <translation>“%1” is not a file.</translation>
    </message>
    <message>
        <source>Нямаш право да четеш файла „%1“.</source>
        <translation>You have no permission to read the file “%1”.</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде прочетен: %2.</source>
        <translation>The file “%1” cannot be read: %2.</translation>
    </message>
    <message>
        <source>Файлът „%1“ е по-голям от %2 MB: това не е файл със система уравнения.</source>
        <translation>The file “%1” is larger than %2 MB: this is not a file of equations.</translation>
    </message>
    <message>
        <source>Файлът „%1“ не е текст в UTF-8 (ред %2).</source>
        <translation>The file “%1” is not UTF-8 text (line %2).</translation>
    </message>
    <message>
        <source>Файлът „%1“ има над %2 реда: това не е файл със система уравнения.</source>
        <translation>The file “%1” has more than %2 lines: this is not a file of equations.</translation>
    </message>
    <message>
        <source>Във файла „%1“ няма уравнения.</source>
        <translation>The file “%1” holds no equations.</translation>
    </message>
    <message>
        <source>Във файла „%1“ няма уравнения: прегледан е листът %2.</source>
        <translation>The file “%1” holds no equations: the sheet %2 was looked at.</translation>
    </message>
    <message>
        <source>Във файла „%1“ няма уравнения: прегледани са листовете %2 (скритите листове не се четат).</source>
        <translation>The file “%1” holds no equations: the sheets %2 were looked at (hidden sheets are not read).</translation>
    </message>
    <message>
        <source>„%1“</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>Във файла „%1“ няма лист „%2“. Листовете в него са %3.</source>
        <translation>The file “%1” has no sheet “%2”. Its sheets are %3.</translation>
    </message>
    <message>
        <source>Прочетен е листът „%1“: показаният лист „%2“ няма система.</source>
        <translation>The sheet “%1” was read: the sheet shown, “%2”, holds no system.</translation>
    </message>
    <message>
        <source>Прочетен е листът „%1“; система има и в %2. Друг лист избираш с --sheet.</source>
        <translation>The sheet “%1” was read; %2 holds a system too. Choose another sheet with --sheet.</translation>
    </message>
    <message>
        <source>&amp;Лист</source>
        <translation>S&amp;heet</translation>
    </message>
    <message>
        <source>%1 (лист „%2“)</source>
        <translation>%1 (sheet “%2”)</translation>
    </message>
    <message>
        <source>Във файла „%1“ има %2, а програмата решава системи от 2 до 9 уравнения.</source>
        <translation>The file “%1” holds %2, but the program solves systems of 2 to 9 equations.</translation>
    </message>
    <message>
        <source>Във файла „%1“, лист „%2“, има %3, а програмата решава системи от 2 до 9 уравнения.</source>
        <translation>The file “%1”, sheet “%2”, holds %3, but the program solves systems of 2 to 9 equations.</translation>
    </message>
    <message>
        <source>ред %1</source>
        <translation>line %1</translation>
    </message>
    <message>
        <source>ред %1, поле %2</source>
        <translation>line %1, field %2</translation>
    </message>
    <message>
        <source>лист „%1“, ред %2</source>
        <translation>sheet “%1”, row %2</translation>
    </message>
    <message>
        <source>лист „%1“, клетка %2</source>
        <translation>sheet “%1”, cell %2</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: %3, очакват се %4 (коефициентите и свободният член).</source>
        <translation>In the file “%1”, %2: %3, %4 expected (the coefficients and the constant term).</translation>
    </message>
    <message>
        <source> Текстът „%1“ (%2) не е число.</source>
        <translation> The text “%1” (%2) is not a number.</translation>
    </message>
    <message>
        <source>поле %1</source>
        <translation>field %1</translation>
    </message>
    <message>
        <source>клетка %1</source>
        <translation>cell %1</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: „%3“ не е число.</source>
        <translation>In the file “%1”, %2: “%3” is not a number.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: няма число, а другите в реда са числа.</source>
        <translation>In the file “%1”, %2: no number, though the others in the row are numbers.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: „%3“ е твърде голямо (програмата работи с числа до %4 по абсолютна стойност).</source>
        <translation>In the file “%1”, %2: “%3” is too large (the program works with numbers up to %4 in absolute value).</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: „%3“ може да се прочете по два начина: със знак между хилядите или с десетичен знак. Запиши го без знак между хилядите.</source>
        <translation>In the file “%1”, %2: “%3” can be read in two ways: with a thousands separator or with a decimal mark. Write it without a thousands separator.</translation>
    </message>
    <message>
        <source>Във файла „%1“ числата са записани по два начина: в %2 „%3“ има десетична точка, а в %4 „%5“ — десетична запетая. Запиши всички числа по един начин.</source>
        <translation>The file “%1” writes its numbers in two ways: in %2 “%3” has a decimal point, in %4 “%5” a decimal comma. Write all numbers in one way.</translation>
    </message>
    <message>
        <source>Ако запетаята е десетична, посочи --locale bg_BG.</source>
        <translation>If the comma is a decimal comma, give --locale bg_BG.</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде прочетен: таблицата в него е повредена или непълна.</source>
        <translation>The file “%1” cannot be read: the spreadsheet in it is damaged or incomplete.</translation>
    </message>
    <message>
        <source>Във файла „%1“ няма лист с таблица: програмата отваря таблици .ods и .xlsx и текст CSV.</source>
        <translation>The file “%1” holds no sheet with a table: the program opens .ods and .xlsx spreadsheets and CSV text.</translation>
    </message>
    <message>
        <source>Файлът „%1“ е защитен с парола: запази таблицата без парола и я отвори отново.</source>
        <translation>The file “%1” is protected by a password: save the spreadsheet without a password and open it again.</translation>
    </message>
    <message>
        <source>Файлът „%1“ е защитен с парола или е в стария двоичен формат на Excel (.xls): запази таблицата като .xlsx, .ods или CSV без парола и я отвори отново.</source>
        <translation>The file “%1” is protected by a password or is in Excel&apos;s old binary format (.xls): save the spreadsheet as .xlsx, .ods or CSV without a password and open it again.</translation>
    </message>
    <message>
        <source>Файлът „%1“ се разархивира до много повече данни, отколкото има в таблица със система уравнения, затова не е отворен.</source>
        <translation>The file “%1” unpacks to far more data than a spreadsheet with a system of equations holds, so it was not opened.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: формула без запазена стойност. Отвори таблицата, пресметни я и я запази отново.</source>
        <translation>In the file “%1”, %2: a formula with no stored value. Open the spreadsheet, recalculate it and save it again.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: дата („%3“), а не число. Запиши в клетката числото, без формат за дата.</source>
        <translation>In the file “%1”, %2: a date (“%3”), not a number. Write the number in the cell, without a date format.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: час („%3“), а не число. Запиши в клетката числото, без формат за час.</source>
        <translation>In the file “%1”, %2: a time (“%3”), not a number. Write the number in the cell, without a time format.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: логическа стойност („%3“), а не число.</source>
        <translation>In the file “%1”, %2: a logical value (“%3”), not a number.</translation>
    </message>
    <message>
        <source>Във файла „%1“, %2: грешка „%3“ от формула, а не число. Поправи формулата и запази таблицата отново.</source>
        <translation>In the file “%1”, %2: the error “%3” from a formula, not a number. Fix the formula and save the spreadsheet again.</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде отворен: липсва библиотеката %2, с която програмата чете таблици. Инсталирай пакета %3 (sudo apt install %3); CSV файловете се отварят и без нея.</source>
        <translation>The file “%1” cannot be opened: the library %2, with which the program reads spreadsheets, is missing. Install the package %3 (sudo apt install %3); CSV files open without it.</translation>
    </message>
    <message>
        <source>Точните стойности не могат да бъдат пресметнати: липсва библиотеката %1. Инсталирай пакета %2 (sudo apt install %2); решаването в таблицата работи и без нея.</source>
        <translation>The exact values cannot be computed: the library %1 is missing. Install the package %2 (sudo apt install %2); solving in the grid works without it.</translation>
    </message>
    <message>
        <source>Липсва библиотека</source>
        <translation>A library is missing</translation>
    </message>
    <message>
        <source>над %1 реда с числа</source>
        <translation>more than %1 lines of numbers</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде записан: %2.</source>
        <translation>The file “%1” cannot be written: %2.</translation>
    </message>
    <message>
        <source>Системата в таблицата не е променена.</source>
        <translation>The system in the grid is unchanged.</translation>
    </message>
    <message>
        <source>Системата не е запазена: клетката за %1 съдържа „%2“, а това не е число.</source>
        <translation>The system is not saved: the cell for %1 holds “%2”, which is not a number.</translation>
    </message>
    <message>
        <source>(стандартен вход)</source>
        <translation>(standard input)</translation>
    </message>
    <message>
        <source>няма такъв файл или папка</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>нямаш право на достъп</source>
        <translation>you have no permission to access it</translation>
    </message>
    <message>
        <source>действието не е позволено</source>
        <translation>the operation is not permitted</translation>
    </message>
    <message>
        <source>файловата система е само за четене</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>няма свободно място на диска</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>квотата ти на диска е изчерпана</source>
        <translation>your disk quota is used up</translation>
    </message>
    <message>
        <source>това е папка</source>
        <translation>this is a folder</translation>
    </message>
    <message>
        <source>част от пътя не е папка</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>името е твърде дълго</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>твърде много символни връзки</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>входно-изходна грешка на устройството</source>
        <translation>input/output error on the device</translation>
    </message>
    <message>
        <source>файлът е твърде голям</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>устройството или файлът е зает</source>
        <translation>the device or the file is busy</translation>
    </message>
    <message>
        <source>програмата, която чете, е спряла</source>
        <translation>the program reading it has stopped</translation>
    </message>
    <message>
        <source>отворени са твърде много файлове</source>
        <translation>too many files are open</translation>
    </message>
    <message>
        <source>няма такова устройство или адрес</source>
        <translation>no such device or address</translation>
    </message>
    <message>
        <source> В повече е %1: „%2“.</source>
        <translation> One too many: %1, “%2”.</translation>
    </message>
    <message numerus="yes">
        <source>Във файла „%1“ има %n системи една под друга, първата от %2, втората от %3. Запиши всяка система в отделен файл.</source>
        <translation>
            <numerusform>The file “%1” holds %n system one below another, the first from %2, the second from %3. Save each system in a file of its own.</numerusform>
            <numerusform>The file “%1” holds %n systems one below another, the first from %2, the second from %3. Save each system in a file of its own.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Във файла „%1“, лист „%2“, има %n системи една под друга, първата от ред %3, втората от ред %4. Сложи всяка система на отделен лист и избери листа с „Файл → Лист“ (или с --sheet).</source>
        <translation>
            <numerusform>In the file “%1”, sheet “%2” holds %n system one below another, the first from row %3, the second from row %4. Put each system on a sheet of its own and choose the sheet with File → Sheet (or with --sheet).</numerusform>
            <numerusform>In the file “%1”, sheet “%2” holds %n systems one below another, the first from row %3, the second from row %4. Put each system on a sheet of its own and choose the sheet with File → Sheet (or with --sheet).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n полета</source>
        <translation>
            <numerusform>%n field</numerusform>
            <numerusform>%n fields</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n клетки</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n уравнения</source>
        <translation>
            <numerusform>%n equation</numerusform>
            <numerusform>%n equations</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Form</name>
    <message>
        <source>системи линейни уравнения - метод на КРАМЕР</source>
        <translation>Systems of Linear Equations – Cramer&apos;s Rule</translation>
    </message>
    <message>
        <source>ИЗБЕРИ БРОЙ НА УРАВНЕНИЯТА /НЕИЗВЕСТНИТЕ/</source>
        <translation>CHOOSE THE NUMBER OF EQUATIONS (UNKNOWNS)</translation>
    </message>
    <message>
        <source>ВЪВЕДИ  СИСТЕМАТА</source>
        <translation>ENTER THE SYSTEM</translation>
    </message>
    <message>
        <source>РЕШИ СИСТЕМАТА</source>
        <translation>SOLVE THE SYSTEM</translation>
    </message>
    <message>
        <source>ИЗЧИСТИ</source>
        <translation>CLEAR</translation>
    </message>
    <message>
        <source>РЕШЕНИЕ</source>
        <translation>SOLUTION</translation>
    </message>
    <message>
        <source>виж детерминантата:</source>
        <translation>Determinant</translation>
    </message>
    <message>
        <source>det=</source>
        <translation>det=</translation>
    </message>
    <message>
        <source>РЕШЕНИЕ:</source>
        <translation>SOLUTION:</translation>
    </message>
    <message>
        <source>d=0 =&gt;системата или има безброй решения или няма решение!!!</source>
        <translation>d = 0, so the system has either no solution or infinitely many.</translation>
    </message>
    <message>
        <source>КОМПЮТЪРА НЕ РЕШАВА ТАКИВА СИСТЕМИ!!! бутон &lt;ИЗЧИСТИ&gt;</source>
        <translation>Cramer&apos;s rule cannot be used when d = 0. Press CLEAR to start again; Solution → Worked Solution explains the system.</translation>
    </message>
    <message>
        <source>.x</source>
        <translation>·x</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>=</source>
        <translation>=</translation>
    </message>
    <message>
        <source>x%1=d%1/d=</source>
        <translation>x%1=d%1/d=</translation>
    </message>
    <message>
        <source>/</source>
        <translation>/</translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>учебна програма</source>
        <translation>teaching program</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>Грешка във въвеждането</source>
        <translation>Input error</translation>
    </message>
    <message>
        <source>коефициента пред %2 в уравнение %1</source>
        <translation>the coefficient of %2 in equation %1</translation>
    </message>
    <message>
        <source>свободния член на уравнение %1</source>
        <translation>the constant term of equation %1</translation>
    </message>
    <message>
        <source>Клетката за %1 е празна.</source>
        <translation>The cell for %1 is empty.</translation>
    </message>
    <message>
        <source>Клетката за %1 съдържа „%2“, а това не е число.</source>
        <translation>The cell for %1 holds “%2”, which is not a number.</translation>
    </message>
    <message>
        <source>Числото „%2“ в клетката за %1 е твърде голямо: програмата работи с числа до %3 по абсолютна стойност.</source>
        <translation>The number “%2” in the cell for %1 is too large: the program works with numbers up to %3 in absolute value.</translation>
    </message>
    <message>
        <source>Въведи число, например %1 или -3.</source>
        <translation>Type a number, for example %1 or -3.</translation>
    </message>
    <message>
        <source>Твърде голямо число</source>
        <translation>Number too large</translation>
    </message>
    <message>
        <source>Детерминантата d</source>
        <translation>The determinant d</translation>
    </message>
    <message>
        <source>Детерминантата %1</source>
        <translation>The determinant %1</translation>
    </message>
    <message>
        <source>Неизвестното %1 = %2/d</source>
        <translation>The unknown %1 = %2/d</translation>
    </message>
    <message>
        <source>%1 излиза извън обхвата на числата, с които програмата работи (до %2 по абсолютна стойност).</source>
        <translation>%1 overflows the range of the numbers the program works with (up to %2 in absolute value).</translation>
    </message>
    <message>
        <source>Системата е върната във вида, в който е въведена: поправи я и опитай отново.</source>
        <translation>The system has been restored as you typed it: correct it and try again.</translation>
    </message>
    <message>
        <source>Поставяне на числа</source>
        <translation>Pasting numbers</translation>
    </message>
    <message>
        <source>Блокът в клипборда има %1 по %2, а от ред %3, колона %4 надясно и надолу в таблицата се побират %5 по %6.
Нищо не е променено.</source>
        <translation>The block on the clipboard is %1 by %2, but from row %3, column %4 rightwards and down the grid holds %5 by %6.
Nothing has been changed.</translation>
    </message>
    <message>
        <source>Редовете на блока в клипборда имат различен брой клетки (от %1 до %2). Система с %3 уравнения се поставя като %3 реда по %4 клетки.
Нищо не е променено.</source>
        <translation>The rows of the block on the clipboard have different numbers of cells (from %1 to %2). A system of %3 equations is pasted as %3 rows of %4 cells.
Nothing has been changed.</translation>
    </message>
    <message>
        <source>Текстът за ред %1, колона %2 има %3 знака, а една клетка побира най-много %4.
Нищо не е променено.</source>
        <translation>The text for row %1, column %2 has %3 characters, but a cell holds at most %4.
Nothing has been changed.</translation>
    </message>
    <message numerus="yes">
        <source>%n реда</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n клетки</source>
        <translation>
            <numerusform>%n cell</numerusform>
            <numerusform>%n cells</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Редактиране</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Изглед</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Р&amp;ешение</source>
        <translation>&amp;Solution</translation>
    </message>
    <message>
        <source>&amp;Помощ</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Изход</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>&amp;Постави</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>Подробно решение</source>
        <translation>Worked Solution</translation>
    </message>
    <message>
        <source>&amp;Прочети резултата</source>
        <translation>&amp;Read Result</translation>
    </message>
    <message>
        <source>Резултат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>x%1 = %2</source>
        <translation>x%1 = %2</translation>
    </message>
    <message>
        <source> (в единична точност %1)</source>
        <translation> (in single precision %1)</translation>
    </message>
    <message>
        <source>Внимание: единичната точност е объркала резултата (%1 с по-малко от 3 верни цифри). Защо: „Подробно решение“ (Ctrl+D).</source>
        <translation>Warning: single precision got the result wrong (%1 with fewer than 3 correct digits). Why: “Worked Solution” (Ctrl+D).</translation>
    </message>
    <message>
        <source>&amp;Увеличи</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>&amp;Намали</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Н&amp;ормален размер</source>
        <translation>&amp;Normal Size</translation>
    </message>
    <message>
        <source>&amp;Контрастни цветове</source>
        <translation>&amp;Contrast Colours</translation>
    </message>
    <message>
        <source>&amp;За програмата</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>&amp;Ръководство</source>
        <translation>&amp;Guide</translation>
    </message>
    <message>
        <source>Ръководство</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>За програмата</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Метод на Крамер, версия %1

Учебна програма за системи от 2 до 9 линейни уравнения: показва главната детерминанта d и детерминантите d1 … dn и намира всяко неизвестно като xi = di / d. Смята с числа с единична точност, а подробното решение показва и точните стойности.

Свободен софтуер под лиценза GNU General Public License, версия 3 или по-нова.</source>
        <translation>Cramer&apos;s Rule, version %1

A teaching program for systems of 2 to 9 linear equations: it shows the main determinant d and the determinants d1 … dn and finds each unknown as xi = di / d. It computes with single-precision numbers, and the worked solution shows the exact values too.

Free software under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message>
        <source>Това е решението на последната решена система: системата в таблицата е променена след това.</source>
        <translation>This is the solution of the system last solved: the system in the grid has changed since.</translation>
    </message>
    <message>
        <source>&amp;Нова задача</source>
        <translation>&amp;New Exercise</translation>
    </message>
    <message>
        <source>Нова задача</source>
        <translation>New exercise</translation>
    </message>
    <message>
        <source>Новата задача ще замени системата в таблицата. Да се замени ли?</source>
        <translation>The new exercise will replace the system in the grid. Replace it?</translation>
    </message>
    <message>
        <source>Нова задача с &amp;дробно решение</source>
        <translation>New Exercise with &amp;Fractional Solution</translation>
    </message>
    <message>
        <source>&amp;Език</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>Език</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Програмата ще говори на избрания език, когато я отвориш отново.</source>
        <translation>The new language takes effect the next time you start the program.</translation>
    </message>
    <message>
        <source>Системата, с която затвори прозореца, е запазена: „Редактиране → Отмени“ (Ctrl+Z) я връща.</source>
        <translation>The system you closed the window with is kept: Edit → Undo (Ctrl+Z) brings it back.</translation>
    </message>
</context>
<context>
    <name>MethodSummary</name>
    <message>
        <source>метод на Крамер</source>
        <translation>Cramer&apos;s rule</translation>
    </message>
    <message>
        <source>за решаване</source>
        <translation>for solving</translation>
    </message>
    <message>
        <source>на системи линейни уравнения</source>
        <translation>systems of linear equations</translation>
    </message>
    <message>
        <source>първоначален вид на системата:</source>
        <translation>the system in general form:</translation>
    </message>
    <message>
        <source>I a11.x1+a12.x2+a13.x3+...+a1n.xn=b1</source>
        <translation>I a11·x1+a12·x2+a13·x3+...+a1n·xn=b1</translation>
    </message>
    <message>
        <source>I a21.x1+a22.x2+a23.x3+...+a2n.xn=b2</source>
        <translation>I a21·x1+a22·x2+a23·x3+...+a2n·xn=b2</translation>
    </message>
    <message>
        <source>I a31.x1+a32.x2+a33.x3+...+a3n.xn=b3</source>
        <translation>I a31·x1+a32·x2+a33·x3+...+a3n·xn=b3</translation>
    </message>
    <message>
        <source>I ...........................................................</source>
        <translation>I ...........................................................</translation>
    </message>
    <message>
        <source>I an1.x1+an2.x2+an3.x3+...+ann.xn=bn</source>
        <translation>I an1·x1+an2·x2+an3·x3+...+ann·xn=bn</translation>
    </message>
    <message>
        <source>детерминанта от коефициенти пред</source>
        <translation>determinant of the coefficients of</translation>
    </message>
    <message>
        <source>неизвестните</source>
        <translation>the unknowns</translation>
    </message>
    <message>
        <source>I a11 a12 a13 ... a1n  I</source>
        <translation>I a11 a12 a13 ... a1n  I</translation>
    </message>
    <message>
        <source>I a21 a22 a23 ... a2n  I</source>
        <translation>I a21 a22 a23 ... a2n  I</translation>
    </message>
    <message>
        <source>d = I a31 a32 a33 ... a3n  I</source>
        <translation>d = I a31 a32 a33 ... a3n  I</translation>
    </message>
    <message>
        <source>I .............................. I</source>
        <translation>I .............................. I</translation>
    </message>
    <message>
        <source>I an1 an2 an3 ... ann I</source>
        <translation>I an1 an2 an3 ... ann I</translation>
    </message>
    <message>
        <source>детерминанта, получена от d чрез замяна</source>
        <translation>determinant obtained from d by replacing</translation>
    </message>
    <message>
        <source>на  i -тия стълб със свободните членове</source>
        <translation>the  i-th column with the constant terms</translation>
    </message>
    <message>
        <source>I  a11 ... b1 ... a1n  I</source>
        <translation>I  a11 ... b1 ... a1n  I</translation>
    </message>
    <message>
        <source>I  a21 ... b2 ... a2n  I</source>
        <translation>I  a21 ... b2 ... a2n  I</translation>
    </message>
    <message>
        <source>di = I  a31 ... b3 ... a3n  I</source>
        <translation>di = I  a31 ... b3 ... a3n  I</translation>
    </message>
    <message>
        <source>I  .......................... I</source>
        <translation>I  .......................... I</translation>
    </message>
    <message>
        <source>I  an1 ... bn ... ann I</source>
        <translation>I  an1 ... bn ... ann I</translation>
    </message>
    <message>
        <source>решението е:</source>
        <translation>the solution is:</translation>
    </message>
    <message>
        <source>I  x1=d1/d</source>
        <translation>I  x1=d1/d</translation>
    </message>
    <message>
        <source>I  x2=d2/d</source>
        <translation>I  x2=d2/d</translation>
    </message>
    <message>
        <source>I  x3=d3/d</source>
        <translation>I  x3=d3/d</translation>
    </message>
    <message>
        <source>I  ............</source>
        <translation>I  ............</translation>
    </message>
    <message>
        <source>I  xn=dn/d</source>
        <translation>I  xn=dn/d</translation>
    </message>
    <message>
        <source>Програмата решава само системи,</source>
        <translation>The program solves only systems</translation>
    </message>
    <message>
        <source>които имат единствено решение.</source>
        <translation>that have exactly one solution.</translation>
    </message>
    <message>
        <source>(при d&lt;0 или d&gt;0)</source>
        <translation>(that is, when d ≠ 0)</translation>
    </message>
    <message>
        <source>ПРИЯТНА РАБОТА!</source>
        <translation>GOOD LUCK!</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>Реши &amp;сам</source>
        <translation>&amp;Solve It Yourself</translation>
    </message>
    <message>
        <source>Реши сам</source>
        <translation>Solve it yourself</translation>
    </message>
    <message>
        <source>Кой се упражнява?</source>
        <translation>Who is practising?</translation>
    </message>
    <message>
        <source>Напиши името си или го избери. Програмата пази отговорите ти само на този компютър, за да виждаш напредъка си; без име нищо не се пази.</source>
        <translation>Type your name or choose it. The program keeps your answers on this computer only, so that you can see your progress; without a name nothing is kept.</translation>
    </message>
    <message>
        <source>Смени &amp;ученика</source>
        <translation>Change S&amp;tudent</translation>
    </message>
    <message>
        <source>„%1“ е прочетено като %2: „%3“ тук разделя хилядите; ако това е десетична дроб, напиши „%4“.</source>
        <translation>“%1” was read as %2: “%3” separates thousands here; if it is a decimal, type “%4”.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Системата в таблицата е променена, откакто започна упражнението. Да започне ли упражнение с новата система?</source>
        <translation>The system in the grid has changed since the practice began. Start a practice with the new system?</translation>
    </message>
    <message>
        <source>Пресметни всяка стойност и натисни Enter. Отговорът може да е цяло число, десетична дроб или дроб като -12/23; стойност, която не е крайна десетична дроб, може да се даде закръглена до поне три значещи цифри.</source>
        <translation>Work out each value and press Enter. An answer can be an integer, a decimal or a fraction such as -12/23; a value that is not a terminating decimal can be given rounded to at least three significant digits.</translation>
    </message>
    <message>
        <source>&amp;Провери</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Под&amp;сказка</source>
        <translation>&amp;Hint</translation>
    </message>
    <message>
        <source>Неизвестното %1</source>
        <translation>The unknown %1</translation>
    </message>
    <message>
        <source>Системата има единствено решение (точно d = %1), но с единична точност програмата не стига до него („Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.</source>
        <translation>The system has exactly one solution (the exact value of d is %1), but in single precision the program does not reach it (“Worked Solution” shows why). Here every value is checked with the exact numbers.</translation>
    </message>
    <message>
        <source>Колко решения има системата</source>
        <translation>How many solutions does the system have?</translation>
    </message>
    <message>
        <source>Щом d = 0, системата или няма решение, или има безброй много решения. Избери кое и натисни Enter.</source>
        <translation>As d = 0, the system has either no solution or infinitely many. Choose which and press Enter.</translation>
    </message>
    <message>
        <source>броя на решенията</source>
        <translation>the number of solutions</translation>
    </message>
    <message>
        <source>няма решение</source>
        <translation>no solution</translation>
    </message>
    <message>
        <source>безброй много решения</source>
        <translation>infinitely many solutions</translation>
    </message>
    <message>
        <source>Избери един от двата отговора.</source>
        <translation>Choose one of the two answers.</translation>
    </message>
    <message>
        <source>Вярно: рангът на матрицата на системата е %1, рангът на разширената матрица е %2.</source>
        <translation>Correct: the rank of the coefficient matrix is %1, the rank of the augmented matrix is %2.</translation>
    </message>
    <message>
        <source>Не е вярно: сравни ранга на матрицата на системата с ранга на разширената матрица.</source>
        <translation>Incorrect: compare the rank of the coefficient matrix with the rank of the augmented matrix.</translation>
    </message>
    <message>
        <source>По теоремата на Руше–Капели: ако рангът на разширената матрица (със свободните членове) е по-голям от ранга на матрицата на системата, системата няма решение; ако двата ранга са равни, решенията са безброй много.</source>
        <translation>By the Rouché–Capelli theorem: if the rank of the augmented matrix (with the constant terms) is greater than the rank of the coefficient matrix, the system has no solution; if the two ranks are equal, there are infinitely many solutions.</translation>
    </message>
    <message>
        <source>Рангът на матрицата на системата е %1, рангът на разширената матрица е %2.</source>
        <translation>The rank of the coefficient matrix is %1, the rank of the augmented matrix is %2.</translation>
    </message>
    <message>
        <source>Системата няма решение. Тази стъпка се брои за показана.</source>
        <translation>The system has no solution. This step is marked as revealed.</translation>
    </message>
    <message>
        <source>Системата има безброй много решения. Тази стъпка се брои за показана.</source>
        <translation>The system has infinitely many solutions. This step is marked as revealed.</translation>
    </message>
    <message>
        <source>Броят на решенията: %1, вярно %2, подсказки: %3</source>
        <translation>The number of solutions: %1, correct %2, hints: %3</translation>
    </message>
    <message>
        <source>Броят на решенията: %1, %2, подсказки: %3</source>
        <translation>The number of solutions: %1, %2, hints: %3</translation>
    </message>
    <message>
        <source>Точно d = 0, но с единична точност програмата получава d = %1 и стига до стойности на неизвестните („Подробно решение“ показва защо). Тук всяка стойност се проверява с точните числа.</source>
        <translation>In exact arithmetic d = 0, but in single precision the program gets d = %1 and reaches values of the unknowns (“Worked Solution” shows why). Here every value is checked with the exact numbers.</translation>
    </message>
    <message>
        <source>Число в системата има твърде много цифри, за да бъдат пресметнати точните стойности, затова упражнението не може да започне.</source>
        <translation>A number in the system has too many digits for the exact values to be computed, so the practice cannot begin.</translation>
    </message>
    <message>
        <source>Въведи число.</source>
        <translation>Type a number.</translation>
    </message>
    <message>
        <source>„%1“ не е число: въведи цяло число, десетична дроб или дроб като -12/23.</source>
        <translation>“%1” is not a number: type a whole number, a decimal or a fraction such as -12/23.</translation>
    </message>
    <message>
        <source>„%1“ има знаменател 0.</source>
        <translation>“%1” has a zero denominator.</translation>
    </message>
    <message>
        <source>„%1“ има твърде много цифри.</source>
        <translation>“%1” has too many digits.</translation>
    </message>
    <message>
        <source>Вярно.</source>
        <translation>Correct.</translation>
    </message>
    <message>
        <source>Вярно: %1 = %2.</source>
        <translation>Correct: %1 = %2.</translation>
    </message>
    <message>
        <source>Това е стойността, която дава единичната точност, а не точната: точно %1 = %2.</source>
        <translation>This is the value single precision gives, not the exact one: in exact arithmetic %1 = %2.</translation>
    </message>
    <message>
        <source>Не е вярно: %1.</source>
        <translation>Incorrect: %1.</translation>
    </message>
    <message>
        <source>Не е вярно: или %1, или %2.</source>
        <translation>Incorrect: either %1, or %2.</translation>
    </message>
    <message>
        <source>знакът е обратен</source>
        <translation>the sign is wrong</translation>
    </message>
    <message>
        <source>двете произведения са събрани, а второто се изважда от първото</source>
        <translation>the two products are added, but the second is subtracted from the first</translation>
    </message>
    <message>
        <source>диагоналите са разменени</source>
        <translation>the diagonals are swapped</translation>
    </message>
    <message>
        <source>От произведението по главния диагонал се изважда произведението по другия.</source>
        <translation>From the product along the main diagonal subtract the product along the other.</translation>
    </message>
    <message>
        <source>липсва произведението %1 (със знак %2)</source>
        <translation>the product %1 (with the sign %2) is missing</translation>
    </message>
    <message>
        <source>произведението %1 е взето със знак %2, а трябва %3</source>
        <translation>the product %1 is taken with the sign %2, but it needs %3</translation>
    </message>
    <message>
        <source>това е детерминантата, в която свободните членове заместват колона %1, а трябва колона %2</source>
        <translation>this is the determinant in which the constant terms replace column %1, but it must be column %2</translation>
    </message>
    <message>
        <source>това е d/%1, а %2 = %1/d</source>
        <translation>you divided d by %1; %2 = %1/d</translation>
    </message>
    <message>
        <source>Почти: последната цифра е закръглена неправилно.</source>
        <translation>Nearly: the last digit is rounded wrongly.</translation>
    </message>
    <message>
        <source>Закръглено е вярно, но дай поне три значещи цифри: %1.</source>
        <translation>Rounded correctly, but give at least three significant digits: %1.</translation>
    </message>
    <message>
        <source>Не е вярно.</source>
        <translation>Incorrect.</translation>
    </message>
    <message>
        <source>Не е вярно: отговорът се различава от верния с около %1 %.</source>
        <translation>Incorrect: the answer differs from the correct one by about %1%.</translation>
    </message>
    <message>
        <source>Почти, но не е вярно: отговорът се различава от верния с около %1 %.</source>
        <translation>Close, but not correct: the answer differs from the correct one by about %1%.</translation>
    </message>
    <message>
        <source>По правилото на Крамер %2 = %1/d.</source>
        <translation>By Cramer&apos;s rule %2 = %1/d.</translation>
    </message>
    <message>
        <source>%1 = %2/d: раздели двете стойности, намерени в стъпките по-горе, и съкрати дробта.</source>
        <translation>%1 = %2/d: divide the two values found in the steps above and reduce the fraction.</translation>
    </message>
    <message>
        <source>Стойността е %1 = %2. Тази стъпка се брои за показана.</source>
        <translation>The value is %1 = %2. This step is marked as revealed.</translation>
    </message>
    <message>
        <source>Всички стойности са намерени.</source>
        <translation>All values are found.</translation>
    </message>
    <message>
        <source>Пресметни %1 по метода на Гаус с точни дроби: под всеки водещ елемент направи нули, а за водещ взимай първия ненулев елемент на колоната отгоре надолу (ако е в друг ред, размени двата реда); %1 е произведението на водещите елементи, със смяна на знака при всяка размяна. Или развий по %2.</source>
        <translation>Work out %1 by Gaussian elimination with exact fractions: make zeros below each pivot, and take as the pivot the first non-zero entry of the column from the top down (if it is in another row, swap the two rows); %1 is the product of the pivots, with the sign changed at each swap. Or expand along %2.</translation>
    </message>
    <message>
        <source>ред %1, който има %2</source>
        <translation>row %1, which has %2</translation>
    </message>
    <message>
        <source>колона %1, която има %2</source>
        <translation>column %1, which has %2</translation>
    </message>
    <message>
        <source>Водещите елементи (точно): %1. Значи %2 = %3.</source>
        <translation>The pivots (exactly): %1. So %2 = %3.</translation>
    </message>
    <message>
        <source>колона %1: %2</source>
        <translation>column %1: %2</translation>
    </message>
    <message>
        <source>колона %1: размени редове %1 и %2 (знакът се сменя), водещ елемент %3</source>
        <translation>column %1: swap rows %1 and %2 (the sign changes), pivot %3</translation>
    </message>
    <message>
        <source>Водещите елементи (точно): %1. В колона %2 под тях остават само нули, значи %3 = 0.</source>
        <translation>The pivots (exactly): %1. In column %2 only zeros are left below them, so %3 = 0.</translation>
    </message>
    <message>
        <source>%1 = %2: вярно %3, подсказки: %4</source>
        <translation>%1 = %2: correct %3, hints: %4</translation>
    </message>
    <message>
        <source>%1 = %2: %3, подсказки: %4</source>
        <translation>%1 = %2: %3, hints: %4</translation>
    </message>
    <message>
        <source>показано</source>
        <translation>revealed</translation>
    </message>
    <message>
        <source>от първия опит</source>
        <translation>first time</translation>
    </message>
    <message>
        <source>след %1 опита</source>
        <translation>on attempt %1</translation>
    </message>
    <message>
        <source>Време: %1 мин %2 с.</source>
        <translation>Time: %1 min %2 s.</translation>
    </message>
    <message>
        <source>&amp;Копирай обобщението</source>
        <translation>Cop&amp;y Summary</translation>
    </message>
    <message>
        <source>&amp;Нова задача</source>
        <translation>&amp;New Exercise</translation>
    </message>
    <message>
        <source>&amp;Запази…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>Запазване на обобщението</source>
        <translation>Save the summary</translation>
    </message>
    <message>
        <source>Текст (*.txt);;HTML (*.html *.htm)</source>
        <translation>Text (*.txt);;HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>реши-сам.txt</source>
        <translation>solve-it-yourself.txt</translation>
    </message>
    <message numerus="yes">
        <source>%n нули</source>
        <translation>
            <numerusform>%n zero</numerusform>
            <numerusform>%n zeros</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>показано след %n опита</source>
        <translation>
            <numerusform>revealed after %n attempt</numerusform>
            <numerusform>revealed after %n attempts</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Без име отговорите ти не се пазят. Когато искаш да се пазят, напиши името си с „Смени ученика“.</source>
        <translation>Without a name your answers are not saved. To have them saved, type your name with Change Student.</translation>
    </message>
    <message>
        <source>„%1“ прилича на вече познатото име „%2“. Ти ли си „%2“? (Ако не си, отговорите ти ще се пазят под „%1“.)</source>
        <translation>“%1” looks like the name “%2”, which the program already knows. Are you “%2”? (If not, your answers will be saved under “%1”.)</translation>
    </message>
</context>
<context>
    <name>Progress</name>
    <message>
        <source>Напред&amp;ък</source>
        <translation>&amp;Progress</translation>
    </message>
    <message>
        <source>Напредък: %1</source>
        <translation>Progress: %1</translation>
    </message>
    <message>
        <source>Още няма запазени отговори: напредъкът се пази, когато се упражняваш с „Реши сам“ и си казал името си.</source>
        <translation>No answers kept yet: progress is kept when you practise with “Solve it yourself” and have given your name.</translation>
    </message>
    <message>
        <source>Умение</source>
        <translation>Skill</translation>
    </message>
    <message>
        <source>Първи опити</source>
        <translation>First tries</translation>
    </message>
    <message>
        <source>Верни от първия опит</source>
        <translation>Correct first time</translation>
    </message>
    <message>
        <source>Последната седмица</source>
        <translation>Latest week</translation>
    </message>
    <message>
        <source>Грешка</source>
        <translation>Mistake</translation>
    </message>
    <message>
        <source>Колко пъти</source>
        <translation>Times</translation>
    </message>
    <message>
        <source>Последно</source>
        <translation>Last seen</translation>
    </message>
    <message>
        <source>Една задача ти отнема средно (медиана) %1 мин.; задачите досега: %2.</source>
        <translation>An exercise takes you %1 min. on average (median); exercises so far: %2.</translation>
    </message>
    <message>
        <source>Верните от първия опит по седмици, за всяко умение</source>
        <translation>First-attempt accuracy by week, per skill</translation>
    </message>
    <message>
        <source>Упражнявай &amp;слабото място</source>
        <translation>Practise the &amp;Weak Spot</translation>
    </message>
    <message>
        <source>&amp;Копирай</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Запази…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>&amp;Изтрий моите данни</source>
        <translation>&amp;Delete My Data</translation>
    </message>
    <message>
        <source>Да изтрия ли всички запазени отговори на %1 от този компютър? Това не може да се отмени.</source>
        <translation>Delete all answers of %1 kept on this computer? This cannot be undone.</translation>
    </message>
    <message>
        <source>Запазване на напредъка</source>
        <translation>Save the progress</translation>
    </message>
    <message>
        <source>Текст (*.txt);;HTML (*.html *.htm);;CSV (*.csv)</source>
        <translation>Text (*.txt);;HTML (*.html *.htm);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>напредък.txt</source>
        <translation>progress.txt</translation>
    </message>
    <message>
        <source>Тази задача е избрана заради най-честата ти грешка напоследък: %1.</source>
        <translation>This exercise targets your most frequent recent mistake: %1.</translation>
    </message>
    <message>
        <source>Напоследък нямаш грешки, към които да насоча задачата: упражнявай се с „Нова задача“.</source>
        <translation>You have no recent mistakes to target; practise with New Exercise.</translation>
    </message>
    <message>
        <source>Изне&amp;си напредъка…</source>
        <translation>&amp;Export Progress…</translation>
    </message>
    <message>
        <source>Изнасяне на напредъка</source>
        <translation>Export Progress</translation>
    </message>
    <message>
        <source>Да изнеса ли отговорите на всички ученици на този компютър? („Не“ изнася само твоите.)</source>
        <translation>Export the answers of every student on this computer? (“No” exports only yours.)</translation>
    </message>
    <message>
        <source>Работна книга XLSX (*.xlsx);;CSV (*.csv)</source>
        <translation>XLSX workbook (*.xlsx);;CSV (*.csv)</translation>
    </message>
    <message>
        <source>напредък.xlsx</source>
        <translation>progress.xlsx</translation>
    </message>
    <message>
        <source>Пре&amp;глед на класа…</source>
        <translation>&amp;Class Overview…</translation>
    </message>
    <message>
        <source>Преглед на класа</source>
        <translation>Class overview</translation>
    </message>
    <message>
        <source>Изнесеният напредък от компютрите в класната стая</source>
        <translation>The progress exported from the classroom&apos;s computers</translation>
    </message>
    <message>
        <source>Изнесен напредък (*.xlsx)</source>
        <translation>Exported progress (*.xlsx)</translation>
    </message>
    <message>
        <source>Ученик</source>
        <translation>Student</translation>
    </message>
    <message>
        <source>Най-честа грешка</source>
        <translation>Most frequent mistake</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>клас.csv</source>
        <translation>class.csv</translation>
    </message>
    <message>
        <source>детерминанта 2 × 2</source>
        <translation>2 × 2 determinant</translation>
    </message>
    <message>
        <source>правило на Сарус (3 × 3)</source>
        <translation>Sarrus&apos;s rule (3 × 3)</translation>
    </message>
    <message>
        <source>детерминанта чрез изключване (4 × 4 и повече)</source>
        <translation>determinant by elimination (4 × 4 and larger)</translation>
    </message>
    <message>
        <source>коя колона се заменя със свободните членове</source>
        <translation>which column is replaced with the constant terms</translation>
    </message>
    <message>
        <source>делението на детерминантите</source>
        <translation>the division of the determinants</translation>
    </message>
    <message>
        <source>закръгляне на безкрайна десетична дроб</source>
        <translation>rounding a recurring decimal</translation>
    </message>
    <message>
        <source>броят на решенията при d = 0</source>
        <translation>the number of solutions when d = 0</translation>
    </message>
    <message>
        <source>обратен знак</source>
        <translation>reversed sign</translation>
    </message>
    <message>
        <source>събрани вместо извадени произведения</source>
        <translation>products added instead of subtracted</translation>
    </message>
    <message>
        <source>разменени диагонали</source>
        <translation>swapped diagonals</translation>
    </message>
    <message>
        <source>пропуснато произведение по Сарус</source>
        <translation>a product of Sarrus&apos;s rule left out</translation>
    </message>
    <message>
        <source>произведение по Сарус с грешен знак</source>
        <translation>a product of Sarrus&apos;s rule with the wrong sign</translation>
    </message>
    <message>
        <source>заменена е друга колона</source>
        <translation>another column replaced</translation>
    </message>
    <message>
        <source>обърнато частно</source>
        <translation>inverted quotient</translation>
    </message>
    <message>
        <source>грешно закръгляне</source>
        <translation>wrong rounding</translation>
    </message>
    <message>
        <source>твърде малко значещи цифри</source>
        <translation>too few significant digits</translation>
    </message>
    <message>
        <source>грешна стойност</source>
        <translation>wrong value</translation>
    </message>
    <message>
        <source>грешен брой решения</source>
        <translation>wrong number of solutions</translation>
    </message>
    <message>
        <source>Файлът с упражненията „%1“ е зает от друга програма. Упражнявай се спокойно, но днешните отговори няма да бъдат запазени.</source>
        <translation>The practice file “%1” is in use by another program. You can still practise, but today&apos;s answers will not be saved.</translation>
    </message>
    <message>
        <source>Във файла с упражненията „%1“ не може да се пише (%2). Упражнявай се спокойно, но днешните отговори няма да бъдат запазени.</source>
        <translation>The practice file “%1” cannot be written to (%2). You can still practise, but today&apos;s answers will not be saved.</translation>
    </message>
    <message>
        <source>Файлът с упражненията „%1“ е повреден (%2). Програмата не го променя; упражнявай се спокойно, но днешните отговори няма да бъдат запазени.</source>
        <translation>The practice file “%1” is damaged (%2). The program leaves it unchanged; practise at ease, but today&apos;s answers will not be kept.</translation>
    </message>
    <message>
        <source>Файлът с упражненията „%1“ е от по-нова версия на програмата. Тази версия не го променя; упражнявай се спокойно, но днешните отговори няма да бъдат запазени.</source>
        <translation>The practice file “%1” is from a newer version of the program. This version leaves it unchanged; practise at ease, but today&apos;s answers will not be kept.</translation>
    </message>
    <message>
        <source>Файлът с упражненията „%1“ не може да бъде отворен (%2). Упражнявай се спокойно, но днешните отговори няма да бъдат запазени.</source>
        <translation>The practice file “%1” cannot be opened (%2). You can still practise, but today&apos;s answers will not be saved.</translation>
    </message>
    <message>
        <source>Дискът с файла с упражненията „%1“ е пълен. Упражнявай се спокойно, но днешните отговори няма да бъдат запазени.</source>
        <translation>The disk that holds the practice file “%1” is full. You can still practise, but today&apos;s answers will not be saved.</translation>
    </message>
    <message>
        <source>Отговорът не можа да бъде записан: файлът с упражненията „%1“ е зает от друга програма. Програмата пази отговорите и ще ги запише, щом файлът се освободи.</source>
        <translation>Your answer could not be saved: another program is using the practice file “%1”. The program keeps your answers and will save them as soon as the file is free.</translation>
    </message>
    <message>
        <source>Отговорът не можа да бъде записан: дискът с файла с упражненията „%1“ е пълен. Програмата пази отговорите и ще ги запише, щом на диска има място.</source>
        <translation>Your answer could not be saved: the disk that holds the practice file “%1” is full. The program keeps your answers and will save them as soon as there is room.</translation>
    </message>
    <message>
        <source>Отговорът не можа да бъде записан: във файла с упражненията „%1“ не може да се пише (%2). Програмата пази отговорите и ще ги запише, щом това стане възможно.</source>
        <translation>Your answer could not be saved: the practice file “%1” cannot be written to (%2). The program keeps your answers and will save them as soon as it can.</translation>
    </message>
    <message>
        <source>Отговорът не можа да бъде записан: файлът с упражненията „%1“ е повреден (%2). Програмата пази отговорите, докато е отворена.</source>
        <translation>Your answer could not be saved: the practice file “%1” is damaged (%2). The program keeps your answers while it is open.</translation>
    </message>
    <message>
        <source>Отговорът не можа да бъде записан във файла с упражненията „%1“ (%2). Програмата пази отговорите и ще опита отново.</source>
        <translation>Your answer could not be saved in the practice file “%1” (%2). The program keeps your answers and will try again.</translation>
    </message>
    <message numerus="yes">
        <source>Изтрити са %n запазени отговора на %1.</source>
        <translation>
            <numerusform>%n saved answer of %1 was deleted.</numerusform>
            <numerusform>%n saved answers of %1 were deleted.</numerusform>
        </translation>
    </message>
    <message>
        <source>Отговорите на %1 не бяха изтрити: %2 Опитай отново по-късно.</source>
        <translation>The answers of %1 were not deleted: %2 Try again later.</translation>
    </message>
    <message>
        <source>%1 %</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>Тези файлове не са изнесен напредък от програмата (или колоните им са променяни) и са пропуснати:
%1</source>
        <translation>These files are not progress files exported by this program (or their columns were changed) and were skipped:
%1</translation>
    </message>
    <message>
        <source>Тези файлове са същият изнесен напредък като файл преди тях и не се броят втори път:
%1</source>
        <translation>These files are the same exported progress as a file before them and were not counted twice:
%1</translation>
    </message>
</context>
<context>
    <name>Questions</name>
    <message>
        <source>&amp;Да</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Не</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Отмени</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>Пов&amp;тори</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Запази</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Не запазвай</source>
        <translation>&amp;Don&apos;t Save</translation>
    </message>
    <message>
        <source>&amp;Отказ</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>ScreenReader</name>
    <message>
        <source>главната детерминанта d</source>
        <translation>the determinant d of the coefficient matrix</translation>
    </message>
    <message>
        <source>d%1: колона %1 е заменена със свободните членове</source>
        <translation>d%1: column %1 is replaced with the constant terms</translation>
    </message>
    <message>
        <source>ред %1, колона %2</source>
        <translation>row %1, column %2</translation>
    </message>
    <message>
        <source>ред %1, коефициент пред x%2</source>
        <translation>row %1, coefficient of x%2</translation>
    </message>
    <message>
        <source>ред %1, свободен член</source>
        <translation>row %1, constant term</translation>
    </message>
    <message>
        <source>ред %1, колона %2, не се използва</source>
        <translation>row %1, column %2, not used</translation>
    </message>
    <message>
        <source>Усмихнато човече с очила пред клавиатура</source>
        <translation>A smiling cartoon face with glasses at a keyboard</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>cramer: няма екран, на който да се отвори прозорецът (DISPLAY и WAYLAND_DISPLAY не са зададени); пусни програмата в графична сесия. / cramer: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a graphical session.</source>
        <translation>cramer: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); run it in a graphical session.</translation>
    </message>
    <message>
        <source>cramer: графичната система не може да бъде отворена (екранът не отговаря или няма модул за нея); пусни програмата в графична сесия. / cramer: the window system could not be opened (the display does not answer, or Qt has no plugin for it); run it in a graphical session.</source>
        <translation>cramer: the window system could not be opened (the display does not answer, or Qt has no plugin for it); run it in a graphical session.</translation>
    </message>
</context>
<context>
    <name>WorkedSolution</name>
    <message>
        <source>Системата</source>
        <translation>The system</translation>
    </message>
    <message>
        <source>Всяко въведено число се пази в единична точност точно такова, каквото е въведено.</source>
        <translation>Every number typed is kept in single precision exactly as it was typed.</translation>
    </message>
    <message>
        <source>„%1“ за %2 се пази в единична точност като %3.</source>
        <translation>“%1” for %2 is kept in single precision as %3.</translation>
    </message>
    <message>
        <source>Главната детерминанта d</source>
        <translation>The determinant d of the coefficient matrix</translation>
    </message>
    <message>
        <source>Детерминантата %1 (колона %2 е заменена със свободните членове)</source>
        <translation>The determinant %1 (column %2 is replaced with the constant terms)</translation>
    </message>
    <message>
        <source>По правилото за 2 × 2 (произведението по главния диагонал минус произведението по другия):</source>
        <translation>By the 2 × 2 rule (main-diagonal product minus the other diagonal&apos;s product):</translation>
    </message>
    <message>
        <source>По правилото на Сарус (три произведения със знак +, три със знак −):</source>
        <translation>By Sarrus&apos;s rule (three products with a plus sign, three with a minus sign):</translation>
    </message>
    <message>
        <source>Така я пресмята програмата: по метода на Гаус с числа с единична точност, като всяко действие се закръгля поотделно.</source>
        <translation>This is how the program computes it: by Gaussian elimination with single-precision numbers, each operation rounded on its own.</translation>
    </message>
    <message>
        <source>Колона %1: елементът в ред %1 е 0, затова редове %1 и %2 се разменят и знакът на произведението се сменя.</source>
        <translation>Column %1: the entry in row %1 is 0, so rows %1 and %2 are swapped and the sign of the product changes.</translation>
    </message>
    <message>
        <source>Елементът, който дойде в ред %1 от ред %3, също е 0, затова редове %1 и %2 се разменят и знакът се сменя отново.</source>
        <translation>The entry that came to row %1 from row %3 is 0 too, so rows %1 and %2 are swapped and the sign changes again.</translation>
    </message>
    <message>
        <source>Матрицата след размяната в колона %1:</source>
        <translation>The matrix after the swap in column %1:</translation>
    </message>
    <message>
        <source>Матрицата след размените в колона %1:</source>
        <translation>The matrix after the swaps in column %1:</translation>
    </message>
    <message>
        <source>Под него в колона %1 няма ненулев елемент: детерминантата е 0.</source>
        <translation>Below it in column %1 there is no non-zero entry: the determinant is 0.</translation>
    </message>
    <message>
        <source>Колона %1: водещият елемент е %2. Ред %1 се дели на него; произведението на знака и водещите елементи става %3.</source>
        <translation>Column %1: the pivot is %2. Divide row %1 by it; running product (sign × pivots) = %3.</translation>
    </message>
    <message>
        <source>От всеки следващ ред се изважда ред %1, умножен по множител: %2.</source>
        <translation>Subtract a multiple of row %1 from each row below it; multipliers: %2.</translation>
    </message>
    <message>
        <source>ред&#xa0;%1: %2</source>
        <translation>row&#xa0;%1: %2</translation>
    </message>
    <message>
        <source>След колона %1:</source>
        <translation>After column %1:</translation>
    </message>
    <message>
        <source>По диагонала остават единици и последният елемент; произведението се умножава по тях: %1 · %2 = %3.</source>
        <translation>The diagonal now holds 1s and the last entry; multiplying the running product by that entry gives %1 · %2 = %3.</translation>
    </message>
    <message>
        <source>Колона %1: водещият елемент е %2, но произведението на знака и водещите елементи %3 · %2 излиза извън обхвата на единичната точност, затова програмата спира тук.</source>
        <translation>Column %1: the pivot is %2, but the running product (sign × pivots) %3 · %2 overflows single precision, so the program stops here.</translation>
    </message>
    <message>
        <source>Ред %1 се дели на водещия елемент, но в колона %2 частното %3 / %4 излиза извън обхвата на единичната точност, затова програмата спира тук.</source>
        <translation>Row %1 is divided by the pivot, but in column %2 the quotient %3 / %4 overflows single precision, so the program stops here.</translation>
    </message>
    <message>
        <source>От ред %2 се изважда ред %1, умножен по множител, но в колона %3 разликата %4 − %5 · %6 излиза извън обхвата на единичната точност, затова програмата спира тук.</source>
        <translation>A multiple of row %1 is subtracted from row %2, but in column %3 the difference %4 − %5 · %6 overflows single precision, so the program stops here.</translation>
    </message>
    <message>
        <source>Точно %1 = %2: извън обхвата излезе само междинна стойност, не самата детерминанта.</source>
        <translation>In exact arithmetic %1 = %2: only an intermediate value overflowed, not the determinant itself.</translation>
    </message>
    <message>
        <source>Детерминантата %1 е в обхвата на единичната точност, но междинна стойност при пресмятането ѝ излиза извън него (до %2 по абсолютна стойност) и програмата спира тук.</source>
        <translation>The determinant %1 is within the range of single precision, but an intermediate value in computing it leaves that range (up to %2 in absolute value) and the program stops here.</translation>
    </message>
    <message>
        <source>Точно %1 = %2: и самата детерминанта е извън обхвата.</source>
        <translation>In exact arithmetic %1 = %2: the determinant itself overflows too.</translation>
    </message>
    <message>
        <source>По диагонала остават единици и последният елемент; произведението %1 · %2 излиза извън обхвата на единичната точност.</source>
        <translation>The diagonal now holds 1s and the last entry; the product %1 · %2 overflows single precision.</translation>
    </message>
    <message>
        <source>%1 = %2: това е стойността, която програмата съобщи%3.</source>
        <translation>%1 = %2: this is the value the program announced%3.</translation>
    </message>
    <message>
        <source> (в прозореца: %1)</source>
        <translation> (in the window: %1)</translation>
    </message>
    <message>
        <source>Точната стойност от числата, както са въведени: %1 = %2.</source>
        <translation>The exact value from the numbers as typed: %1 = %2.</translation>
    </message>
    <message>
        <source>Единична точност %1, точно %2: абсолютна грешка %3, относителна грешка %4; %5</source>
        <translation>Single precision %1, exactly %2: absolute error %3, relative error %4; %5</translation>
    </message>
    <message>
        <source>Единична точност %1, точната стойност ≈ %2: абсолютна грешка %3, относителна грешка %4; %5</source>
        <translation>Single precision %1, the exact value ≈ %2: absolute error %3, relative error %4; %5</translation>
    </message>
    <message>
        <source>Единична точност %1, точно 0: абсолютна грешка %2.</source>
        <translation>Single precision %1, exactly 0: absolute error %2.</translation>
    </message>
    <message>
        <source>това е най-близкото число с единична точност.</source>
        <translation>this is the nearest single-precision number.</translation>
    </message>
    <message>
        <source>най-близкото число с единична точност е %1, на %2 оттук.</source>
        <translation>the nearest single-precision number is %1, which is %2 away.</translation>
    </message>
    <message>
        <source>Неизвестните</source>
        <translation>The unknowns</translation>
    </message>
    <message>
        <source>Програмата: %1 = %2 в единична точност, в реда за резултата %3 (закръглено до 3 знака).</source>
        <translation>In single precision the program gets %1 = %2; the window shows %3 (rounded to 3 decimal places).</translation>
    </message>
    <message>
        <source>Проверка чрез заместване</source>
        <translation>Check by substitution</translation>
    </message>
    <message>
        <source>Лявата страна минус дясната с пресметнатите x (преди закръглянето до 3 знака):</source>
        <translation>Residuals (left-hand side − right-hand side) for the computed x, before rounding to 3 decimal places:</translation>
    </message>
    <message>
        <source>уравнение %1: %2 в единична точност, точно %3</source>
        <translation>equation %1: %2 in single precision, exactly %3</translation>
    </message>
    <message>
        <source>уравнение %1: в единична точност излиза извън обхвата на единичната точност, точно %2</source>
        <translation>equation %1: overflows in single precision, exactly %2</translation>
    </message>
    <message>
        <source>Извод</source>
        <translation>Conclusion</translation>
    </message>
    <message>
        <source>Системата има единствено решение.</source>
        <translation>The system has exactly one solution.</translation>
    </message>
    <message>
        <source>Точно d = 0. Рангът на матрицата на системата е %1, рангът на разширената матрица (със свободните членове) е %2.</source>
        <translation>In exact arithmetic d = 0. The rank of the coefficient matrix is %1, the rank of the augmented matrix (with the constant terms) is %2.</translation>
    </message>
    <message>
        <source>Рангът на разширената матрица е по-голям: системата няма решение (несъвместима е).</source>
        <translation>The rank of the augmented matrix is greater: the system has no solution (it is inconsistent).</translation>
    </message>
    <message>
        <source>Двата ранга са равни и по-малки от %1: системата има безброй много решения:</source>
        <translation>The two ranks are equal and less than %1: the system has infinitely many solutions:</translation>
    </message>
    <message>
        <source>където %1 е произволно число.</source>
        <translation>where %1 is any number.</translation>
    </message>
    <message>
        <source>където %1 са произволни числа.</source>
        <translation>where %1 are any numbers.</translation>
    </message>
    <message>
        <source>С единична точност програмата получи d = 0 и не реши системата по правилото на Крамер, но точно d = %1, а не 0: системата има единствено решение.</source>
        <translation>In single precision the program got d = 0 and did not solve the system by Cramer&apos;s rule, but exactly d = %1, not 0: the system has exactly one solution.</translation>
    </message>
    <message>
        <source>Точно d = 0: системата е особена. Програмата получи d = %1 само от закръглянията, затова показаните x са шум от закръглянията, а не решение.</source>
        <translation>In exact arithmetic d = 0: the system is singular. The program got d = %1 from rounding errors alone, so the x shown are rounding noise, not a solution.</translation>
    </message>
    <message>
        <source>Внимание: с единична точност програмата получи неточни стойности. Верните значещи цифри:</source>
        <translation>Warning: in single precision the program got inexact values. The right significant digits:</translation>
    </message>
    <message>
        <source>%1 = %2 в единична точност, точно %3: %4.</source>
        <translation>%1 = %2 in single precision, in exact arithmetic %3: %4.</translation>
    </message>
    <message>
        <source>%1 = %2 в единична точност, точно %3: %4 (относителната грешка е ≈ %5 %).</source>
        <translation>%1 = %2 in single precision, in exact arithmetic %3: %4 (the relative error is ≈ %5%).</translation>
    </message>
    <message>
        <source>%1, защото закръглени до толкова цифри и двете стойности са %2</source>
        <translation>%1, since rounded to that many digits both values are %2</translation>
    </message>
    <message>
        <source>%1 = %2 в единична точност, точно %3: знакът е обратен.</source>
        <translation>%1 = %2 in single precision, in exact arithmetic %3: the sign is wrong.</translation>
    </message>
    <message>
        <source>%1 = 0 в единична точност, а точно %2.</source>
        <translation>%1 = 0 in single precision, but %2 in exact arithmetic.</translation>
    </message>
    <message>
        <source>нито една значеща цифра не е вярна</source>
        <translation>not one significant digit is right</translation>
    </message>
    <message>
        <source>това е точната стойност</source>
        <translation>this is the exact value</translation>
    </message>
    <message>
        <source>всички значещи цифри са верни</source>
        <translation>all significant digits are right</translation>
    </message>
    <message>
        <source>Откъде идва грешката в %1: </source>
        <translation>Where the error in %1 comes from: </translation>
    </message>
    <message>
        <source>закръгляването на въведените числа до единична точност само по себе си го променя от %1 на %2 и %3</source>
        <translation>rounding the typed numbers to single precision changes it on its own from %1 to %2 and %3</translation>
    </message>
    <message>
        <source>не остава нито една вярна значеща цифра</source>
        <translation>not one right significant digit is left</translation>
    </message>
    <message>
        <source> — това обяснява само част от загубата</source>
        <translation> — this explains only part of the loss</translation>
    </message>
    <message>
        <source>обусловеността му по Скийл е ≈ %1 и не обяснява загубата</source>
        <translation>its Skeel condition number is ≈ %1 and does not explain the loss</translation>
    </message>
    <message>
        <source>след изключването с единична точност, сравнено с точното решение на съхранените числа, %1</source>
        <translation>after elimination in single precision, compared with the exact solution of the stored numbers, %1</translation>
    </message>
    <message>
        <source>Числото на обусловеност κ(A) = ‖A‖∞·‖A⁻¹‖∞ е ≈ %1, но системата е само лошо мащабирана: обусловеността на всяко неизвестно по Скийл е най-много ≈ %2.</source>
        <translation>The condition number κ(A) = ‖A‖∞·‖A⁻¹‖∞ is ≈ %1, but the system is only badly scaled: the Skeel condition of each unknown is at most ≈ %2.</translation>
    </message>
    <message>
        <source>Числото на обусловеност на матрицата (пресметнато точно) е κ(A) = ‖A‖∞·‖A⁻¹‖∞ ≈ %1.</source>
        <translation>The condition number of the matrix (computed exactly) is κ(A) = ‖A‖∞·‖A⁻¹‖∞ ≈ %1.</translation>
    </message>
    <message>
        <source>Изключването със същата единична точност, но с най-големия водещ елемент във всяка колона запазва повече цифри (по-долу): загубата идва от реда на водещите елементи.</source>
        <translation>Elimination in the same single precision, but with the largest pivot in each column, keeps more digits (below): the loss comes from the order of the pivots.</translation>
    </message>
    <message>
        <source>При %1 програмата взема за водещ елемент в колона %2 първия ненулев, %3, макар в ред %4 да стои %5. Делението на толкова малък водещ елемент увеличава грешките от закръгляването.</source>
        <translation>For %1 the program takes as the pivot in column %2 the first non-zero entry, %3, though row %4 holds %5. Dividing by so small a pivot magnifies the rounding errors.</translation>
    </message>
    <message>
        <source>При %1 водещият елемент на колона %2 излиза от изваждане на близки числа: от %3 остава %4, а точно е %5. При това изваждане се губят повечето значещи цифри.</source>
        <translation>For %1 the pivot of column %2 comes from subtracting close numbers: %3 leaves only %4, whereas the exact value is %5. Most significant digits are lost in that subtraction.</translation>
    </message>
    <message>
        <source>Числото в ред %1, колона %2 е под обхвата на нормалните числа с единична точност и се пази като %3, с малко или без значещи цифри.</source>
        <translation>The number in row %1, column %2 is below the range of normal single-precision numbers and is kept as %3, with few significant digits or none.</translation>
    </message>
    <message>
        <source>При %1, в колона %2, междинната стойност %3 пада под обхвата на нормалните числа с единична точност и губи значещи цифри.</source>
        <translation>For %1, in column %2, the intermediate value %3 falls below the range of normal single-precision numbers and loses significant digits.</translation>
    </message>
    <message>
        <source>Частното %1 = %2 пада под обхвата на нормалните числа с единична точност и губи значещите си цифри.</source>
        <translation>The quotient %1 = %2 falls below the range of normal single-precision numbers and loses its significant digits.</translation>
    </message>
    <message>
        <source>Същото изключване, но с най-големия по абсолютна стойност водещ елемент във всяка колона (частичен избор), дава с единична точност:</source>
        <translation>The same elimination, but choosing the entry of largest absolute value in each column as pivot (partial pivoting), gives in single precision:</translation>
    </message>
    <message>
        <source>%1 ≈ %2: %3.</source>
        <translation>%1 ≈ %2: %3.</translation>
    </message>
    <message>
        <source>Същото изключване с най-големия по абсолютна стойност водещ елемент във всяка колона излиза извън обхвата на единичната точност.</source>
        <translation>The same elimination, choosing the entry of largest absolute value in each column as pivot, overflows single precision.</translation>
    </message>
    <message>
        <source>Точните стойности не са изчислени: числото „%2“ за %1 има твърде много цифри.</source>
        <translation>The exact values were not computed: the number “%2” for %1 has too many digits.</translation>
    </message>
    <message>
        <source>Точните стойности не са изчислени: числото „%2“ за %1 е по абсолютна стойност под най-малкото число с единична точност (%4) и програмата го пази като %3.</source>
        <translation>The exact values were not computed: the number “%2” for %1 is in absolute value below the smallest single-precision number (%4) and the program keeps it as %3.</translation>
    </message>
    <message>
        <source> и </source>
        <translation> and </translation>
    </message>
    <message>
        <source> (безкрайна десетична дроб)</source>
        <translation> (recurring decimal)</translation>
    </message>
    <message>
        <source>колони %1–%2:</source>
        <translation>columns %1–%2:</translation>
    </message>
    <message>
        <source>колона %1:</source>
        <translation>column %1:</translation>
    </message>
    <message>
        <source>ред %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>заменената колона</source>
        <translation>the replaced column</translation>
    </message>
    <message>
        <source>Колона %1 е заменена със свободните членове.</source>
        <translation>Column %1 is replaced with the constant terms.</translation>
    </message>
    <message numerus="yes">
        <source>%n стъпки</source>
        <translation>
            <numerusform>%n ulp (unit in the last place)</numerusform>
            <numerusform>%n ulps (units in the last place)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>верни са %n значещи цифри</source>
        <translation>
            <numerusform>%n significant digit is correct</numerusform>
            <numerusform>%n significant digits are correct</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>остават %n верни значещи цифри</source>
        <translation>
            <numerusform>%n correct significant digit is left</numerusform>
            <numerusform>%n correct significant digits are left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>обусловеността му по Скийл е ≈ %1, затова всеки устойчив метод може да загуби в него до около %n цифри</source>
        <translation>
            <numerusform>its Skeel condition number is ≈ %1, so any stable method may lose up to about %n digit in it</numerusform>
            <numerusform>its Skeel condition number is ≈ %1, so any stable method may lose up to about %n digits in it</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 = %2 в единична точност, а точно %1 = 0: стойност, различна от 0, няма нито една вярна значеща цифра (абсолютната грешка е ≈ %3).</source>
        <translation>%1 = %2 in single precision, but in exact arithmetic %1 = 0: a value other than 0 has no correct significant digit (the absolute error is ≈ %3).</translation>
    </message>
    <message>
        <source> Толкова малко число е под обхвата на нормалните числа с единична точност (по абсолютна стойност под %1): при пресмятането то се губи и остава 0.</source>
        <translation> A number that small is below the normal range of single precision (below %1 in absolute value): the computation loses it and is left with 0.</translation>
    </message>
    <message numerus="yes">
        <source>(общо %n цифри)</source>
        <translation>
            <numerusform>(%n digit in all)</numerusform>
            <numerusform>(%n digits in all)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WorkingWindow</name>
    <message>
        <source>Подробно решение</source>
        <translation>Worked Solution</translation>
    </message>
    <message>
        <source>&amp;Копирай</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>&amp;Запази…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>&amp;Печат…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Запазване на подробното решение</source>
        <translation>Save the worked solution</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm);;PDF (*.pdf)</source>
        <translation>HTML (*.html *.htm);;PDF (*.pdf)</translation>
    </message>
    <message>
        <source>подробно-решение.html</source>
        <translation>worked-solution.html</translation>
    </message>
    <message>
        <source>Файлът не е записан</source>
        <translation>The file was not written</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде записан: %2
Решението не е загубено: опитай в друга папка.</source>
        <translation>The file “%1” cannot be written: %2
The solution is not lost: try another folder.</translation>
    </message>
    <message>
        <source>модулът за печат „%1“ липсва или е повреден; инсталирай програмата отново.</source>
        <translation>the print module “%1” is missing or damaged; install the program again.</translation>
    </message>
    <message>
        <source>Печатът не е възможен</source>
        <translation>Printing is not possible</translation>
    </message>
    <message>
        <source>Прозорецът за печат не може да бъде отворен: %1
Решението може да бъде запазено като PDF и отпечатано от друга програма.</source>
        <translation>The print dialog cannot be opened: %1
The solution can be saved as PDF and printed from another program.</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Правило на Крамер: работен лист</source>
        <translation>Cramer&apos;s rule: worksheet</translation>
    </message>
    <message>
        <source>Клас: %1</source>
        <translation>Class: %1</translation>
    </message>
    <message>
        <source>Дата: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>____________</source>
        <translation>____________</translation>
    </message>
    <message>
        <source>Име: ________________________________________</source>
        <translation>Name: ________________________________________</translation>
    </message>
    <message>
        <source>Реши системата по правилото на Крамер: пресметни главната детерминанта d, после детерминантите на неизвестните и частните им с d.</source>
        <translation>Solve the system by Cramer&apos;s rule: work out the determinant d of the coefficient matrix, then the determinants of the unknowns and their quotients by d.</translation>
    </message>
    <message>
        <source>Код на листа: %1. Със същия код програмата прави същите варианти.</source>
        <translation>Worksheet code: %1 (the same code always gives the same variants).</translation>
    </message>
    <message>
        <source>Вариант %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Ключ с отговорите</source>
        <translation>Answer key</translation>
    </message>
    <message>
        <source>Вариант %1: %2</source>
        <translation>Variant %1: %2</translation>
    </message>
    <message>
        <source>d = 0 и системата няма решение</source>
        <translation>d = 0 and the system has no solution</translation>
    </message>
    <message>
        <source>d = 0 и системата има безброй много решения</source>
        <translation>d = 0 and the system has infinitely many solutions</translation>
    </message>
    <message>
        <source>Ключ</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Вариант</source>
        <translation>Variant</translation>
    </message>
    <message>
        <source>няма решение</source>
        <translation>no solution</translation>
    </message>
    <message>
        <source>безброй много решения</source>
        <translation>infinitely many solutions</translation>
    </message>
    <message>
        <source>Решение на вариант %1</source>
        <translation>Worked solution, variant %1</translation>
    </message>
</context>
<context>
    <name>WorksheetDialog</name>
    <message>
        <source>&amp;Работен лист…</source>
        <translation>&amp;Worksheet…</translation>
    </message>
    <message>
        <source>Работен лист</source>
        <translation>Worksheet</translation>
    </message>
    <message>
        <source>Брой &amp;варианти:</source>
        <translation>Number of &amp;variants:</translation>
    </message>
    <message>
        <source>Брой &amp;уравнения:</source>
        <translation>Number of &amp;equations:</translation>
    </message>
    <message>
        <source>&amp;Отговори:</source>
        <translation>&amp;Answers:</translation>
    </message>
    <message>
        <source>цели числа</source>
        <translation>integers</translation>
    </message>
    <message>
        <source>обикновени дроби</source>
        <translation>common fractions</translation>
    </message>
    <message>
        <source>десетични дроби</source>
        <translation>decimals</translation>
    </message>
    <message>
        <source>Осо&amp;бени системи:</source>
        <translation>S&amp;ingular systems:</translation>
    </message>
    <message>
        <source>без особени</source>
        <translation>none</translation>
    </message>
    <message>
        <source>около една от пет: без решение или с безброй много решения</source>
        <translation>about one in five: no solution or infinitely many</translation>
    </message>
    <message>
        <source>Коефици&amp;енти до:</source>
        <translation>Coefficients &amp;up to:</translation>
    </message>
    <message>
        <source>Загл&amp;авие:</source>
        <translation>&amp;Title:</translation>
    </message>
    <message>
        <source>&amp;Клас:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>&amp;Дата:</source>
        <translation>&amp;Date:</translation>
    </message>
    <message>
        <source>Код на &amp;листа:</source>
        <translation>Worksheet c&amp;ode:</translation>
    </message>
    <message>
        <source>&amp;Нов код</source>
        <translation>&amp;New Code</translation>
    </message>
    <message>
        <source>Ключ с отгово&amp;рите</source>
        <translation>Include answer &amp;key</translation>
    </message>
    <message>
        <source>Подробни&amp;те решения на вариантите</source>
        <translation>Include &amp;worked solutions</translation>
    </message>
    <message>
        <source>Варианти на &amp;страница:</source>
        <translation>Variants per pa&amp;ge:</translation>
    </message>
    <message>
        <source>Първата страница на работния лист</source>
        <translation>The first page of the worksheet</translation>
    </message>
    <message>
        <source>&amp;Запази…</source>
        <translation>&amp;Save…</translation>
    </message>
    <message>
        <source>&amp;Печат…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Запазване на работния лист</source>
        <translation>Save the worksheet</translation>
    </message>
    <message>
        <source>PDF (*.pdf);;HTML (*.html *.htm);;LaTeX (*.tex);;Текст (*.txt);;Работна книга ODS (*.ods);;Работна книга XLSX (*.xlsx)</source>
        <translation>PDF (*.pdf);;HTML (*.html *.htm);;LaTeX (*.tex);;Text (*.txt);;ODS workbook (*.ods);;XLSX workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>работен-лист.pdf</source>
        <translation>worksheet.pdf</translation>
    </message>
    <message>
        <source>Подготвям работния лист…</source>
        <translation>Preparing the worksheet…</translation>
    </message>
    <message>
        <source>Отказ</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Програмата успя да направи само %1 от %2 различни варианта: с коефициенти и отговори от −%3 до %3 няма повече различни системи с %4 уравнения. Увеличи обхвата на коефициентите или намали броя на вариантите.</source>
        <translation>The program could make only %1 of %2 different variants: with coefficients and answers from −%3 to %3 there are no more different systems of %4 equations. Widen the range of the coefficients or ask for fewer variants.</translation>
    </message>
    <message>
        <source>Файлът „%1“ не може да бъде записан: %2
Работният лист не е загубен: опитай в друга папка.</source>
        <translation>The file “%1” cannot be written: %2
The worksheet is not lost: try another folder.</translation>
    </message>
    <message>
        <source>Прозорецът за печат не може да бъде отворен: %1
Работният лист може да бъде запазен като PDF и отпечатан от друга програма.</source>
        <translation>The print dialog cannot be opened: %1
The worksheet can be saved as PDF and printed from another program.</translation>
    </message>
</context>
</TS>
