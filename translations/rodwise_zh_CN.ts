<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Accessibility</name>
    <message>
        <source>The board reads %1</source>
        <translation>算盘上的数是 %1</translation>
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
        <translation>等于</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Convert between hexadecimal and decimal</source>
        <translation>十六进制与十进制互换</translation>
    </message>
    <message>
        <source>Hexadecimal mode</source>
        <translation>十六进制模式</translation>
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
        <translation>显示各档的数字</translation>
    </message>
    <message>
        <source>Rod %1, upper deck, cell %2</source>
        <translation>第 %1 档，上珠，第 %2 格</translation>
    </message>
    <message>
        <source>Rod %1, lower deck, cell %2</source>
        <translation>第 %1 档，下珠，第 %2 格</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>Beam; pressing it sets every rod to 0</source>
        <translation>梁；按下后各档归零</translation>
    </message>
    <message>
        <source>Decimal point after rod %1</source>
        <translation>小数点在第 %1 档后</translation>
    </message>
    <message>
        <source>Result digit of rod %1</source>
        <translation>第 %1 档的结果数字</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Bare rod</source>
        <translation>无珠</translation>
    </message>
    <message>
        <source>Bead</source>
        <translation>算珠</translation>
    </message>
    <message>
        <source>Bead for values above 9</source>
        <translation>9 以上数值用的算珠</translation>
    </message>
    <message>
        <source>Rod %1, %2</source>
        <translation>第 %1 档，%2</translation>
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
        <translation>Rodwise H-D 算盘</translation>
    </message>
    <message>
        <source>Input refused</source>
        <extracomment>What the bell means, for a desktop that shows or says it.</extracomment>
        <translation>输入被拒绝</translation>
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
        <translation>0 到 9，十六进制模式下还有 A 到 F</translation>
    </message>
    <message>
        <source>the digit on the marked rod</source>
        <translation>把标记的一档设为这个数字</translation>
    </message>
    <message>
        <source>move the mark from rod to rod</source>
        <translation>把标记移到相邻的一档</translation>
    </message>
    <message>
        <source>move the focus between the board, the keys and the point buttons</source>
        <translation>在算盘、按键和小数点圆钮之间移动焦点</translation>
    </message>
    <message>
        <source>zoom in, zoom out</source>
        <translation>放大、缩小</translation>
    </message>
    <message>
        <source>zoom back to 100 %</source>
        <translation>回到 100 %</translation>
    </message>
    <message>
        <source>copy the number shown</source>
        <translation>复制显示的数</translation>
    </message>
    <message>
        <source>paste a number onto the rods</source>
        <translation>把一个数粘贴到算盘上</translation>
    </message>
    <message>
        <source>undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>open or close the tape</source>
        <translation>打开或关闭纸带</translation>
    </message>
    <message>
        <source>in the tape: lay the line&apos;s result onto the rods</source>
        <translation>在纸带中：把这一行的结果摆到算盘上</translation>
    </message>
    <message>
        <source>in the tape: copy the line&apos;s result</source>
        <translation>在纸带中：复制这一行的结果</translation>
    </message>
    <message>
        <source>in the tape: save it as a text file</source>
        <translation>在纸带中：存成文本文件</translation>
    </message>
    <message>
        <source>this list of keys</source>
        <translation>这份按键列表</translation>
    </message>
    <message>
        <source>close this list</source>
        <translation>关闭这份列表</translation>
    </message>
    <message>
        <source>Keys — Rodwise H-D</source>
        <translation>按键 — Rodwise H-D</translation>
    </message>
    <message>
        <source>a lesson in adding or subtracting</source>
        <translation>加减法练习</translation>
    </message>
    <message>
        <source>in the lesson strip: begin the exercise typed, or the next one</source>
        <translation>在练习栏中：开始所输入的练习题，或下一题</translation>
    </message>
    <message>
        <source>in a lesson: end it, the board left as it is</source>
        <translation>练习中：结束练习，算盘保持原样</translation>
    </message>
</context>
<context>
    <name>Keyboard</name>
    <message>
        <source>Abacus board</source>
        <translation>算盘</translation>
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
        <translation>练习题</translation>
    </message>
    <message>
        <source>27+45, or Enter for the next exercise</source>
        <translation>如 27+45，或直接按回车做下一题</translation>
    </message>
    <message>
        <source>Lesson step</source>
        <translation>课程步骤</translation>
    </message>
    <message>
        <source>Lesson news</source>
        <translation>课程提示</translation>
    </message>
</context>
<context>
    <name>LessonWords</name>
    <message>
        <source>units</source>
        <translation>个位</translation>
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
        <translation>万位</translation>
    </message>
    <message>
        <source>hundred thousands</source>
        <translation>十万位</translation>
    </message>
    <message>
        <source>millions</source>
        <translation>百万位</translation>
    </message>
    <message>
        <source>ten millions</source>
        <translation>千万位</translation>
    </message>
    <message>
        <source>hundred millions</source>
        <translation>亿位</translation>
    </message>
    <message>
        <source>billions</source>
        <translation>十亿位</translation>
    </message>
    <message>
        <source>%1s</source>
        <extracomment>A hexadecimal place: the 16s, the 256s.</extracomment>
        <translation>%1 位</translation>
    </message>
    <message>
        <source>put down the upper bead</source>
        <translation>拨下一颗上珠</translation>
    </message>
    <message>
        <source>put down both upper beads</source>
        <translation>拨下两颗上珠</translation>
    </message>
    <message>
        <source>take off the upper bead</source>
        <translation>拨去一颗上珠</translation>
    </message>
    <message>
        <source>take off both upper beads</source>
        <translation>拨去两颗上珠</translation>
    </message>
    <message>
        <source>put up one lower bead</source>
        <translation>拨上一颗下珠</translation>
    </message>
    <message>
        <source>put up %1 lower beads</source>
        <translation>拨上 %1 颗下珠</translation>
    </message>
    <message>
        <source>take off one lower bead</source>
        <translation>拨去一颗下珠</translation>
    </message>
    <message>
        <source>take off %1 lower beads</source>
        <translation>拨去 %1 颗下珠</translation>
    </message>
    <message>
        <source>take off %1</source>
        <translation>去 %1</translation>
    </message>
    <message>
        <source>give back %1</source>
        <translation>还 %1</translation>
    </message>
    <message>
        <source>carry 1 to the %1</source>
        <translation>向%1进一</translation>
    </message>
    <message>
        <source>borrow 1 from the %1</source>
        <translation>从%1退一</translation>
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
        <translation>{d}去{n}进一。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>add with 10 and 5: 七上二去五进一</comment>
        <translation>{d}上{n}去五进一。</translation>
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
        <translation>{d}退一还{n}。</translation>
    </message>
    <message>
        <source>{moves}</source>
        <comment>subtract with 10 and 5: 六退一还五去一</comment>
        <translation>{d}退一还五去{n}。</translation>
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
        <translation>%1：减 %2。</translation>
    </message>
    <message>
        <source>Set %1 on the rods.</source>
        <translation>在档上拨入 %1。</translation>
    </message>
    <message>
        <source>Expected %1 on the %2 rod; it shows %3.</source>
        <translation>%2档应为 %1，现为 %3。</translation>
    </message>
    <message>
        <source>The beads to move are marked.</source>
        <translation>要拨的珠已标出。</translation>
    </message>
    <message>
        <source>%1 = %2. Steps: %3, hints: %4.</source>
        <translation>%1 = %2。共 %3 步，提示 %4 次。</translation>
    </message>
    <message>
        <source>Not an exercise: type two whole numbers with + or − between them, such as 27+45.</source>
        <translation>不是练习题：请输入两个整数，中间用 + 或 −，如 27+45。</translation>
    </message>
    <message>
        <source>The numbers and the answer must fit on the rods.</source>
        <translation>数和得数都必须拨得进算盘的档。</translation>
    </message>
    <message>
        <source>The answer would be below zero.</source>
        <translation>得数会小于零。</translation>
    </message>
    <message>
        <source>Lesson ended.</source>
        <translation>练习结束。</translation>
    </message>
    <message>
        <source>To move: set %1.</source>
        <translation>要拨：拨成 %1。</translation>
    </message>
    <message>
        <source>To move: %1</source>
        <translation>要拨：%1</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>Two sentences, one after the other.</extracomment>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>Lesson: %1.</source>
        <translation>练习：%1。</translation>
    </message>
</context>
<context>
    <name>Narration</name>
    <message>
        <source>Pasted %1</source>
        <translation>已粘贴 %1</translation>
    </message>
    <message>
        <source>Not a number the board can hold. Nothing changed.</source>
        <translation>算盘放不下这个数，未作改动。</translation>
    </message>
    <message>
        <source>Refused. The calculator is cleared.</source>
        <translation>无法执行，计算器已清除。</translation>
    </message>
    <message>
        <source>Result %1</source>
        <translation>结果 %1</translation>
    </message>
    <message>
        <source>Cleared. Decimal mode.</source>
        <translation>已清除。十进制模式。</translation>
    </message>
    <message>
        <source>Cleared. Hexadecimal mode: rods 0 to 7 take 0 to F.</source>
        <translation>已清除。十六进制模式：第 0 到第 7 档可拨 0 到 F。</translation>
    </message>
    <message>
        <source>Undone. The board reads %1</source>
        <translation>已撤销。算盘上的数是 %1</translation>
    </message>
    <message>
        <source>Redone. The board reads %1</source>
        <translation>已重做。算盘上的数是 %1</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>没有可撤销的操作</translation>
    </message>
    <message>
        <source>Nothing to redo</source>
        <translation>没有可重做的操作</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>An abacus calculator.</source>
        <translation>算盘计算器。</translation>
    </message>
    <message>
        <source>Opens this run at a zoom of &lt;percent&gt;: %1. What is kept stays.</source>
        <translation>本次以 &lt;percent&gt; 的缩放打开：%1。保存的设置不变。</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Draws this run in the high-contrast or the everyday palette.</source>
        <translation>本次以高对比度或日常配色显示。</translation>
    </message>
    <message>
        <source>rodwise-hd: the settings file %1 cannot be read; starting at 100 %.</source>
        <translation>rodwise-hd：无法读取设置文件 %1；以 100 % 启动。</translation>
    </message>
    <message>
        <source>rodwise-hd: the kept zoom &quot;%1&quot; in %2 is not one of %3; starting at 100 %.</source>
        <translation>rodwise-hd：%2 中保存的缩放“%1”不是 %3 之一；以 100 % 启动。</translation>
    </message>
    <message>
        <source>rodwise-hd: the kept contrast &quot;%1&quot; in %2 is neither high nor normal; it is not used.</source>
        <translation>rodwise-hd：%2 中保存的对比度“%1”既不是 high 也不是 normal；不予使用。</translation>
    </message>
    <message>
        <source>rodwise-hd: --zoom %1 is not one of %2; starting at 100 %.</source>
        <translation>rodwise-hd：--zoom %1 不是 %2 之一；以 100 % 启动。</translation>
    </message>
    <message>
        <source>rodwise-hd: --contrast takes high or normal, not &quot;%1&quot;.</source>
        <translation>rodwise-hd：--contrast 只接受 high 或 normal，不接受“%1”。</translation>
    </message>
</context>
<context>
    <name>Tape</name>
    <message>
        <source>%1 (hex)</source>
        <translation>%1（十六进制）</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>已拒绝</translation>
    </message>
    <message>
        <source>Tape — Rodwise H-D</source>
        <translation>纸带 — Rodwise H-D</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>纸带</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Empties the tape</source>
        <translation>清空纸带</translation>
    </message>
    <message>
        <source>Save the tape</source>
        <translation>保存纸带</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>文本文件 (*.txt)</translation>
    </message>
    <message>
        <source>The tape could not be saved.</source>
        <translation>无法保存纸带。</translation>
    </message>
</context>
<context>
    <name>Zoom</name>
    <message>
        <source>Zoom %1 %, the largest the screen holds</source>
        <translation>缩放 %1 %，屏幕能容纳的最大值</translation>
    </message>
    <message>
        <source>Zoom %1 %</source>
        <translation>缩放 %1 %</translation>
    </message>
</context>
</TS>
