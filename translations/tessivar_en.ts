<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>Examples</name>
    <message>
        <source>足し算</source>
        <translation>Addition</translation>
    </message>
    <message>
        <source>引き算 (負になるときは 0)</source>
        <translation>Subtraction (0 when it would be negative)</translation>
    </message>
    <message>
        <source>掛け算</source>
        <translation>Multiplication</translation>
    </message>
    <message>
        <source>1 を引く (前者関数)</source>
        <translation>Subtract 1 (predecessor)</translation>
    </message>
    <message>
        <source>階乗</source>
        <translation>Factorial</translation>
    </message>
    <message>
        <source>べき乗</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>割り算 (商と余り)</source>
        <translation>Division (quotient and remainder)</translation>
    </message>
    <message>
        <source>大きいほう (最大値)</source>
        <translation>The larger (maximum)</translation>
    </message>
    <message>
        <source>フィボナッチ数</source>
        <translation>Fibonacci numbers</translation>
    </message>
    <message>
        <source>等しいかどうか</source>
        <translation>Equality test</translation>
    </message>
    <message>
        <source>偶数か奇数か (2 で割った余り)</source>
        <translation>Even or odd (remainder by 2)</translation>
    </message>
    <message>
        <source>エディタの見本 (R(1) から 1 を引く)</source>
        <translation>The editor&apos;s sample (subtract 1 from R(1))</translation>
    </message>
</context>
<context>
    <name>Explanation</name>
    <message>
        <source>表示範囲の拡大・縮小</source>
        <translation>Zoom in and out</translation>
    </message>
    <message>
        <source>実行速度の調整</source>
        <translation>Run speed</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>URM Program|*.urm|テキストファイル|*.txt|すべてのファイル|*.*</source>
        <translation>URM Program|*.urm|Text files|*.txt|All files|*.*</translation>
    </message>
</context>
<context>
    <name>ProgramSizeLimit</name>
    <message>
        <source>プログラムが長すぎます。このウィンドウで開いたりセットしたりできるのは、100,000 行・1,000,000 文字までです。プログラムは変わっていません。</source>
        <translation>The program is too long. This window opens and sets programs of up to 100,000 lines and 1,000,000 characters. The program has not been changed.</translation>
    </message>
</context>
<context>
    <name>tessivar</name>
    <message>
        <source>J(%1,%2): R(%1) = R(%2) なら行 %3 へジャンプ</source>
        <translation>J(%1,%2): if R(%1) = R(%2), jumps to line %3</translation>
    </message>
    <message>
        <source>J(%1,%2): R(%1) = R(%2) なら行 %3 へジャンプ (プログラムの外: 終了します)</source>
        <translation>J(%1,%2): if R(%1) = R(%2), jumps to line %3 (outside the program: it ends)</translation>
    </message>
    <message>
        <source>J(%1,%2): R(%1) = R(%2) ならプログラムを終了します (飛び先 0)</source>
        <translation>J(%1,%2): if R(%1) = R(%2), ends the program (target 0)</translation>
    </message>
    <message>
        <source>J(%1,%2): ジャンプしません (飛び先が行 1 より前です)</source>
        <translation>J(%1,%2): never jumps (the target is before line 1)</translation>
    </message>
    <message>
        <source>飛び先がないので、ジャンプすると行 2 へ進みます</source>
        <translation>There is no target, so a jump goes on at line 2</translation>
    </message>
    <message>
        <source>飛び先「%1」の行数が読めないので、ジャンプするとこの行へ戻ります</source>
        <translation>The number of lines in the target &quot;%1&quot; cannot be read, so a jump comes back to this line</translation>
    </message>
    <message>
        <source>飛び先「%1」は数として読めないので、ジャンプすると行 2 へ進みます</source>
        <translation>The target &quot;%1&quot; cannot be read as a number, so a jump goes on at line 2</translation>
    </message>
    <message>
        <source>飛び先「%1」の行数は大きすぎて読めないので、ジャンプするとこの行へ戻ります</source>
        <translation>The number of lines in the target &quot;%1&quot; is too large to be read, so a jump comes back to this line</translation>
    </message>
    <message>
        <source>飛び先「%1」の行数は整数でないので、ジャンプするとこの行へ戻ります</source>
        <translation>The number of lines in the target &quot;%1&quot; is not a whole number, so a jump comes back to this line</translation>
    </message>
    <message>
        <source>飛び先「%1」は大きすぎて数として読めないので、ジャンプすると行 2 へ進みます</source>
        <translation>The target &quot;%1&quot; is too large to be read as a number, so a jump goes on at line 2</translation>
    </message>
    <message>
        <source>飛び先「%1」は整数でないので、ジャンプすると行 2 へ進みます</source>
        <translation>The target &quot;%1&quot; is not a whole number, so a jump goes on at line 2</translation>
    </message>
    <message>
        <source>飛び先「%1」はこの行自身です</source>
        <translation>The target &quot;%1&quot; is this line itself</translation>
    </message>
    <message>
        <source>飛び先「%1」はこの行から %2 行先です</source>
        <translation>The target &quot;%1&quot; is %2 lines after this one</translation>
    </message>
    <message>
        <source>飛び先「%1」はこの行から %2 行前です</source>
        <translation>The target &quot;%1&quot; is %2 lines before this one</translation>
    </message>
    <message>
        <source>空行です</source>
        <translation>The line is empty</translation>
    </message>
    <message>
        <source>全角の文字は命令として読まれません</source>
        <translation>Full-width characters are not read as an instruction</translation>
    </message>
    <message>
        <source>命令名と番号の間には括弧か空白が要ります (例: S(3))</source>
        <translation>An instruction needs a bracket or a blank between its name and its numbers (for example S(3))</translation>
    </message>
    <message>
        <source>命令は S, Z, T, J の 4 つです</source>
        <translation>The instructions are S, Z, T and J</translation>
    </message>
    <message>
        <source>レジスタ番号が 1 つ要ります</source>
        <translation>One register number is needed</translation>
    </message>
    <message>
        <source>レジスタ番号が 2 つ要ります</source>
        <translation>Two register numbers are needed</translation>
    </message>
    <message>
        <source>レジスタ番号は 1 以上の数です</source>
        <translation>A register number is a number from 1 up</translation>
    </message>
    <message>
        <source>「%1」は大きすぎて数として読めません (2147483647 まで)</source>
        <translation>&quot;%1&quot; is too large to be read as a number (2147483647 at most)</translation>
    </message>
    <message>
        <source>「%1」は整数ではありません: レジスタ番号は整数です</source>
        <translation>&quot;%1&quot; is not a whole number: a register number is a whole number</translation>
    </message>
    <message>
        <source>ノーブレークスペース (U+00A0) は区切りになりません: 普通の空白を使ってください</source>
        <translation>A no-break space (U+00A0) separates nothing: use an ordinary blank</translation>
    </message>
    <message>
        <source>S(%1): R(%1) に 1 を足します</source>
        <translation>S(%1): adds 1 to R(%1)</translation>
    </message>
    <message>
        <source>Z(%1): R(%1) を 0 にします</source>
        <translation>Z(%1): sets R(%1) to 0</translation>
    </message>
    <message>
        <source>T(%1,%2): R(%1) を R(%2) に写します</source>
        <translation>T(%1,%2): copies R(%1) to R(%2)</translation>
    </message>
    <message>
        <source>コメント: 何もせずに次の行へ進みます (ステップに数えません)</source>
        <translation>Comment: goes on to the next line doing nothing (not counted as a step)</translation>
    </message>
    <message>
        <source>何もしない1ステップとして実行されます</source>
        <translation>Runs as a step that does nothing</translation>
    </message>
    <message>
        <source>R(%1) はありません (R(1)〜R(256)): この行はエラーで止まります</source>
        <translation>There is no R(%1) (R(1) to R(256)): this line stops with an error</translation>
    </message>
    <message>
        <source>「%1」は 16 進数で %2 です</source>
        <translation>&quot;%1&quot; is hexadecimal for %2</translation>
    </message>
    <message>
        <source>範囲チェックエラー</source>
        <translation>Range check error</translation>
    </message>
    <message>
        <source>整数のオーバーフロー</source>
        <translation>Integer overflow</translation>
    </message>
    <message>
        <source>セットしてください。</source>
        <translation>Please press Set first.</translation>
    </message>
    <message>
        <source>%1 行目: レジスタ R(%2) はありません（R(1)〜R(256)）</source>
        <translation>Line %1: there is no register R(%2) (R(1) to R(256))</translation>
    </message>
    <message>
        <source>%1 行目: R(%2) の値が 64 ビット整数の範囲を超えます（整数のオーバーフロー）</source>
        <translation>Line %1: the value of R(%2) goes beyond the range of 64-bit integers (integer overflow)</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません。 ファイルが大きすぎます (%2 MiB まで) </source>
        <translation>Cannot open file %1. The file is too large (up to %2 MiB) </translation>
    </message>
    <message>
        <source>ファイル %1 は開けません。 %2 </source>
        <translation>Cannot open file %1. %2 </translation>
    </message>
    <message>
        <source>ファイル &quot;%1&quot; を作成できません。%2</source>
        <translation>Cannot create file &quot;%1&quot;. %2</translation>
    </message>
    <message>
        <source>文字コードを変換できません。%1</source>
        <translation>Cannot convert the character encoding. %1</translation>
    </message>
    <message>
        <source>Unicode 文字のマッピングがターゲットのマルチバイト コード ページに存在しません</source>
        <translation>No mapping for the Unicode character exists in the target multi-byte code page</translation>
    </message>
</context>
<context>
    <name>tessivar::render::SceneView</name>
    <message>
        <source>3D 表示を描けません。</source>
        <translation>The 3D view cannot be drawn.</translation>
    </message>
</context>
<context>
    <name>tessivar::ui::Debugger</name>
    <message>
        <source>（セット後に変更）</source>
        <translation> (changed since Set)</translation>
    </message>
</context>
<context>
    <name>tessivar::ui::MainWindow</name>
    <message>
        <source>Tessivar — URM 3D シミュレータ</source>
        <translation>Tessivar — URM 3D Simulator</translation>
    </message>
    <message>
        <source>操作盤</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>1ステップ</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>セット</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>レジスタ</source>
        <translation>Registers</translation>
    </message>
    <message>
        <source>クリアー</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>説明閉じる</source>
        <translation>Close Help</translation>
    </message>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>新規作成</source>
        <translation>New</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>サンプル</source>
        <translation>Examples</translation>
    </message>
    <message>
        <source>最近使ったファイル</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>上書き保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>名前を付けて保存</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>デバッグ</source>
        <translation>Debug</translation>
    </message>
    <message>
        <source>実行 / 停止</source>
        <translation>Run / Stop</translation>
    </message>
    <message>
        <source>1ステップ戻る</source>
        <translation>Step Back</translation>
    </message>
    <message>
        <source>最後まで高速実行</source>
        <translation>Run to End at Full Speed</translation>
    </message>
    <message>
        <source>カーソル行まで実行</source>
        <translation>Run to Cursor</translation>
    </message>
    <message>
        <source>ブレークポイントの切り替え</source>
        <translation>Toggle Breakpoint</translation>
    </message>
    <message>
        <source>すべてのブレークポイントを解除</source>
        <translation>Clear All Breakpoints</translation>
    </message>
</context>
<context>
    <name>tessivar::ui::ProgramDocument</name>
    <message>
        <source>ファイル %1 が見つかりません。最近使ったファイルの一覧から外しました。</source>
        <translation>File %1 was not found. It has been removed from the recent files.</translation>
    </message>
    <message>
        <source>プログラムは変更されています。保存しますか？</source>
        <translation>The program has been changed. Do you want to save it?</translation>
    </message>
    <message>
        <source>保存する</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存しない</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 は既に存在します。
置き換えますか？</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>置き換える</source>
        <translation>Replace</translation>
    </message>
</context>
<context>
    <name>tessivar::ui::ProgramEditor</name>
    <message>
        <source>行へ移動</source>
        <translation>Go to Line</translation>
    </message>
    <message>
        <source>行番号 (1〜%1):</source>
        <translation>Line number (1 to %1):</translation>
    </message>
    <message>
        <source>ジャンプ先へ移動</source>
        <translation>Go to Jump Target</translation>
    </message>
    <message>
        <source>行へ移動...</source>
        <translation>Go to Line...</translation>
    </message>
</context>
<context>
    <name>tessivar::ui::RunController</name>
    <message>
        <source>停止</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>実行</source>
        <translation>Run</translation>
    </message>
</context>
</TS>
