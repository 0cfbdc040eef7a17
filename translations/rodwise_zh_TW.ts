<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Accessibility</name>
    <message>
        <source>The board reads %1</source>
        <translation>算盤上的數是 %1</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>等於</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Convert between hexadecimal and decimal</source>
        <translation>十六進位與十進位互換</translation>
    </message>
    <message>
        <source>Hexadecimal mode</source>
        <translation>十六進位模式</translation>
    </message>
    <message>
        <source>%1, not in use</source>
        <translation>%1，未使用</translation>
    </message>
    <message>
        <source>Bottom bar</source>
        <translation>下框</translation>
    </message>
    <message>
        <source>Top bar</source>
        <translation>上框</translation>
    </message>
    <message>
        <source>Shows the rod labels</source>
        <translation>顯示各檔的數字</translation>
    </message>
    <message>
        <source>Rod %1, upper deck, cell %2</source>
        <translation>第 %1 檔，上珠，第 %2 格</translation>
    </message>
    <message>
        <source>Rod %1, lower deck, cell %2</source>
        <translation>第 %1 檔，下珠，第 %2 格</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>小數點</translation>
    </message>
    <message>
        <source>Beam; pressing it sets every rod to 0</source>
        <translation>樑；按下後各檔歸零</translation>
    </message>
    <message>
        <source>Decimal point after rod %1</source>
        <translation>小數點在第 %1 檔後</translation>
    </message>
    <message>
        <source>Result digit of rod %1</source>
        <translation>第 %1 檔的結果數字</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Bare rod</source>
        <translation>無珠</translation>
    </message>
    <message>
        <source>Bead</source>
        <translation>算珠</translation>
    </message>
    <message>
        <source>Bead for values above 9</source>
        <translation>9 以上數值用的算珠</translation>
    </message>
    <message>
        <source>Rod %1, %2</source>
        <translation>第 %1 檔，%2</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
</context>
<context>
    <name>Bell</name>
    <message>
        <source>Rodwise H-D</source>
        <extracomment>The program&apos;s name as the desktop&apos;s menu shows it.</extracomment>
        <translation>Rodwise H-D 算盤</translation>
    </message>
    <message>
        <source>Input refused</source>
        <extracomment>What the bell means, for a desktop that shows or says it.</extracomment>
        <translation>輸入被拒絕</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>0 to 9, and A to F in hexadecimal work</source>
        <translation>0 到 9，十六進位模式下還有 A 到 F</translation>
    </message>
    <message>
        <source>the digit on the marked rod</source>
        <translation>把標記的一檔設為這個數字</translation>
    </message>
    <message>
        <source>move the mark from rod to rod</source>
        <translation>把標記移到相鄰的一檔</translation>
    </message>
    <message>
        <source>move the focus between the board, the keys and the point buttons</source>
        <translation>在算盤、按鍵和小數點圓鈕之間移動焦點</translation>
    </message>
    <message>
        <source>zoom in, zoom out</source>
        <translation>放大、縮小</translation>
    </message>
    <message>
        <source>zoom back to 100 %</source>
        <translation>回到 100 %</translation>
    </message>
    <message>
        <source>copy the number shown</source>
        <translation>複製顯示的數</translation>
    </message>
    <message>
        <source>paste a number onto the rods</source>
        <translation>把一個數貼到算盤上</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>open or close the tape</source>
        <translation>開啟或關閉紙帶</translation>
    </message>
    <message>
        <source>in the tape: lay the line&apos;s result onto the rods</source>
        <translation>在紙帶中：把這一行的結果擺到算盤上</translation>
    </message>
    <message>
        <source>in the tape: copy the line&apos;s result</source>
        <translation>在紙帶中：複製這一行的結果</translation>
    </message>
    <message>
        <source>in the tape: save it as a text file</source>
        <translation>在紙帶中：存成文字檔</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>這份按鍵列表</translation>
    </message>
    <message>
        <source>close this list</source>
        <translation>關閉這份列表</translation>
    </message>
    <message>
        <source>Keys — Rodwise H-D</source>
        <translation>按鍵 — Rodwise H-D</translation>
    </message>
    <message>
        <source>a lesson in adding or subtracting</source>
        <translation>加減法練習</translation>
    </message>
    <message>
        <source>in the lesson strip: begin the exercise typed, or the next one</source>
        <translation>在練習欄中：開始所輸入的練習題，或下一題</translation>
    </message>
    <message>
        <source>in a lesson: end it, the board left as it is</source>
        <translation>練習中：結束練習，算盤保持原樣</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Abacus board</source>
        <translation>算盤</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>LessonStrip</name>
    <message>
        <source>Exercise</source>
        <translation>練習題</translation>
    </message>
    <message>
        <source>27+45, or Enter for the next exercise</source>
        <translation>如 27+45，或直接按 Enter 做下一題</translation>
    </message>
    <message>
        <source>Lesson step</source>
        <translation>課程步驟</translation>
    </message>
    <message>
        <source>Lesson news</source>
        <translation>課程提示</translation>
    </message>
</context>
<context>
    <name>LessonWords</name>
    <message>
        <source>units</source>
        <translation>個位</translation>
    </message>
    <message>
        <source>tens</source>
        <translation>十位</translation>
    </message>
    <message>
        <source>hundreds</source>
        <translation>百位</translation>
    </message>
    <message>
        <source>thousands</source>
        <translation>千位</translation>
    </message>
    <message>
        <source>ten thousands</source>
        <translation>萬位</translation>
    </message>
    <message>
        <source>hundred thousands</source>
        <translation>十萬位</translation>
    </message>
    <message>
        <source>millions</source>
        <translation>百萬位</translation>
    </message>
    <message>
        <source>ten millions</source>
        <translation>千萬位</translation>
    </message>
    <message>
        <source>hundred millions</source>
        <translation>億位</translation>
    </message>
    <message>
        <source>billions</source>
        <translation>十億位</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A hexadecimal place: the 16s, the 256s.</extracomment>
        <translation>%1 位</translation>
    </message>
    <message>
        <source>put down the upper bead</source>
        <translation>撥下一顆上珠</translation>
    </message>
    <message>
        <source>put down both upper beads</source>
        <translation>撥下兩顆上珠</translation>
    </message>
    <message>
        <source>take off the upper bead</source>
        <translation>撥去一顆上珠</translation>
    </message>
    <message>
        <source>take off both upper beads</source>
        <translation>撥去兩顆上珠</translation>
    </message>
    <message>
        <source>put up one lower bead</source>
        <translation>撥上一顆下珠</translation>
    </message>
    <message>
        <source>put up %1 lower beads</source>
        <translation>撥上 %1 顆下珠</translation>
    </message>
    <message>
        <source>take off one lower bead</source>
        <translation>撥去一顆下珠</translation>
    </message>
    <message>
        <source>take off %1 lower beads</source>
        <translation>撥去 %1 顆下珠</translation>
    </message>
    <message>
        <source>take off %1</source>
        <translation>去 %1</translation>
    </message>
    <message>
        <source>give back %1</source>
        <translation>還 %1</translation>
    </message>
    <message>
        <source>carry 1 to the %1</source>
        <translation>向%1進一</translation>
    </message>
    <message>
        <source>borrow 1 from the %1</source>
        <translation>從%1退一</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>add directly: 四上四</comment>
        <translation>{d}上{d}。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>add with 5: 四下五去一</comment>
        <translation>{d}下五去{n}。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>add with 10: 七去三进一</comment>
        <translation>{d}去{n}進一。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>add with 10 and 5: 七上二去五进一</comment>
        <translation>{d}上{n}去五進一。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>subtract directly: 四下四</comment>
        <translation>{d}下{d}。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>subtract with 5: 一上四去五</comment>
        <translation>{d}上{n}去五。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>subtract with 10: 一退一还九</comment>
        <translation>{d}退一還{n}。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>subtract with 10 and 5: 六退一还五去一</comment>
        <translation>{d}退一還五去{n}。</translation>
    </message>
    <message>
        <source>1,2,3,4,5,6,7,8,9</source>
        <extracomment>The digits 1 to 9 as the rhymes say them, comma-separated.</extracomment>
        <translation>一,二,三,四,五,六,七,八,九</translation>
    </message>
    <message>
        <source>%1: add %2.</source>
        <translation>%1：加 %2。</translation>
    </message>
    <message>
        <source>%1: subtract %2.</source>
        <translation>%1：減 %2。</translation>
    </message>
    <message>
        <source>Set %1 on the rods.</source>
        <translation>在檔上撥入 %1。</translation>
    </message>
    <message>
        <source>Expected %1 on the %2 rod; it shows %3.</source>
        <translation>%2檔應為 %1，現為 %3。</translation>
    </message>
    <message>
        <source>The beads to move are marked.</source>
        <translation>要撥的珠已標出。</translation>
    </message>
    <message>
        <source>%1 = %2. Steps: %3, hints: %4.</source>
        <translation>%1 = %2。共 %3 步，提示 %4 次。</translation>
    </message>
    <message>
        <source>Not an exercise: type two whole numbers with + or − between them, such as 27+45.</source>
        <translation>不是練習題：請輸入兩個整數，中間用 + 或 −，如 27+45。</translation>
    </message>
    <message>
        <source>The numbers and the answer must fit on the rods.</source>
        <translation>數和得數都必須撥得進算盤的檔。</translation>
    </message>
    <message>
        <source>The answer would be below zero.</source>
        <translation>得數會小於零。</translation>
    </message>
    <message>
        <source>Lesson ended.</source>
        <translation>練習結束。</translation>
    </message>
    <message>
        <source>To move: set %1.</source>
        <translation>要撥：撥成 %1。</translation>
    </message>
    <message>
        <source>To move: %1</source>
        <translation>要撥：%1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, one after the other.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Lesson: %1.</source>
        <translation>練習：%1。</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>Pasted %1</source>
        <translation>已貼上 %1</translation>
    </message>
    <message>
        <source>Not a number the board can hold. Nothing changed.</source>
        <translation>算盤放不下這個數，未做變更。</translation>
    </message>
    <message>
        <source>Refused. The calculator is cleared.</source>
        <translation>無法執行，計算機已清除。</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>結果 %1</translation>
    </message>
    <message>
        <source>Cleared. Decimal mode.</source>
        <translation>已清除。十進位模式。</translation>
    </message>
    <message>
        <source>Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.</source>
        <translation>已清除。十六進位模式：第 0 到第 7 檔可撥 0 到 F。</translation>
    </message>
    <message>
        <source>Undone. The board reads %1</source>
        <translation>已復原。算盤上的數是 %1</translation>
    </message>
    <message>
        <source>Redone. The board reads %1</source>
        <translation>已重做。算盤上的數是 %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>沒有可復原的操作</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>沒有可重做的操作</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>An abacus calculator.</source>
        <translation>算盤計算機。</translation>
    </message>
    <message>
        <source>Opens this run at a zoom of &lt;percent&gt;: %1. What is kept stays.</source>
        <translation>本次以 &lt;percent&gt; 的縮放開啟：%1。儲存的設定不變。</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Draws this run in the high-contrast or the everyday palette.</source>
        <translation>本次以高對比或日常配色顯示。</translation>
    </message>
    <message>
        <source>rodwise-hd: the settings file %1 cannot be read; starting at 100 %.</source>
        <translation>rodwise-hd：無法讀取設定檔 %1；以 100 % 啟動。</translation>
    </message>
    <message>
        <source>rodwise-hd: the kept zoom &quot;%1&quot; in %2 is not one of %3; starting at 100 %.</source>
        <translation>rodwise-hd：%2 中儲存的縮放「%1」不是 %3 之一；以 100 % 啟動。</translation>
    </message>
    <message>
        <source>rodwise-hd: the kept contrast &quot;%1&quot; in %2 is neither high nor normal; it is not used.</source>
        <translation>rodwise-hd：%2 中儲存的對比「%1」既不是 high 也不是 normal；不予使用。</translation>
    </message>
    <message>
        <source>rodwise-hd: --zoom %1 is not one of %2; starting at 100 %.</source>
        <translation>rodwise-hd：--zoom %1 不是 %2 之一；以 100 % 啟動。</translation>
    </message>
    <message>
        <source>rodwise-hd: --contrast takes high or normal, not &quot;%1&quot;.</source>
        <translation>rodwise-hd：--contrast 只接受 high 或 normal，不接受「%1」。</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 (hex)</source>
        <translation>%1（十六進位）</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒絕</translation>
    </message>
    <message>
        <source>Tape — Rodwise H-D</source>
        <translation>紙帶 — Rodwise H-D</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>紙帶</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Empties the tape</source>
        <translation>清空紙帶</translation>
    </message>
    <message>
        <source>Save the tape</source>
        <translation>儲存紙帶</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文字檔 (*.txt)</translation>
    </message>
    <message>
        <source>The tape could not be saved.</source>
        <translation>無法儲存紙帶。</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Zoom %1 %, the largest the screen holds</source>
        <translation>縮放 %1 %，螢幕能容納的最大值</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>縮放 %1 %</translation>
    </message>
</context>
</TS>
