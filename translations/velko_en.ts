<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name></name>
    <message id="パワー">
        <source></source>
        <translation>Power</translation>
    </message>
    <message id="攻撃命中時のダメージ">
        <source></source>
        <translation>Damage when an attack hits</translation>
    </message>
    <message id="攻撃の命中率">
        <source></source>
        <translation>Chance to hit</translation>
    </message>
    <message id="防御能力">
        <source></source>
        <translation>Defensive ability</translation>
    </message>
    <message id="移動力">
        <source></source>
        <translation>Move</translation>
    </message>
    <message id="ジャンプ力">
        <source></source>
        <translation>Jump</translation>
    </message>
    <message id="回転力">
        <source></source>
        <translation>Spin</translation>
    </message>
    <message id="アーマークラス">
        <source></source>
        <translation>Armour class</translation>
    </message>
    <message id="ダメージ軽減">
        <source></source>
        <translation>Damage reduction</translation>
    </message>
    <message id="行動力">
        <source></source>
        <translation>Action</translation>
    </message>
    <message id="行動ポイント">
        <source></source>
        <translation>Action points</translation>
    </message>
    <message id="メモリ">
        <source></source>
        <translation>Memory</translation>
    </message>
    <message id="重量">
        <source></source>
        <translation>Weight</translation>
    </message>
    <message id="価値">
        <source></source>
        <translation>Value</translation>
    </message>
    <message id="ドールの格">
        <source></source>
        <translation>The Doll&apos;s standing</translation>
    </message>
    <message id="クラス">
        <source></source>
        <translation>Class</translation>
    </message>
    <message id="出場クラス">
        <source></source>
        <translation>Class it fights in</translation>
    </message>
    <message id="ファイル(&amp;F)">
        <source></source>
        <translation>&amp;File</translation>
    </message>
    <message id="セーブ(&amp;S)">
        <source></source>
        <translation>&amp;Save</translation>
    </message>
    <message id="ロード(&amp;L)">
        <source></source>
        <translation>&amp;Load</translation>
    </message>
    <message id="スタート(&amp;T)">
        <source></source>
        <translation>S&amp;tart</translation>
    </message>
    <message id="終了(&amp;X)">
        <source></source>
        <translation>E&amp;xit</translation>
    </message>
    <message id="情報(&amp;I)">
        <source></source>
        <translation>&amp;Info</translation>
    </message>
    <message id="プレイヤー(&amp;P)">
        <source></source>
        <translation>&amp;Player</translation>
    </message>
    <message id="記録(&amp;R)">
        <source></source>
        <translation>&amp;Record</translation>
    </message>
    <message id="対戦(&amp;D)">
        <source></source>
        <translation>&amp;Duel</translation>
    </message>
    <message id="対戦相手のロード(&amp;L)">
        <source></source>
        <translation>&amp;Load opponent</translation>
    </message>
    <message id="敵として登録(&amp;E)">
        <source></source>
        <translation>&amp;Enter as opponent</translation>
    </message>
    <message id="敵ファイルの初期化(&amp;I)">
        <source></source>
        <translation>&amp;Initialise opponent files</translation>
    </message>
    <message id="システム(&amp;S)">
        <source></source>
        <translation>&amp;System</translation>
    </message>
    <message id="ガイド(&amp;G)">
        <source></source>
        <translation>&amp;Guide</translation>
    </message>
    <message id="バージョン情報(&amp;V)">
        <source></source>
        <translation>&amp;Version</translation>
    </message>
    <message id="ヘルプ(&amp;H)">
        <source></source>
        <translation>&amp;Help</translation>
    </message>
    <message id="遊び方(&amp;H)">
        <source></source>
        <translation>&amp;How to play</translation>
    </message>
    <message id="名前変更(&amp;N)">
        <source></source>
        <translation>Re&amp;name</translation>
    </message>
    <message id="装備と能力">
        <source></source>
        <translation>Equipment and abilities</translation>
    </message>
    <message id="モーター">
        <source></source>
        <translation>Motor</translation>
    </message>
    <message id="フレーム">
        <source></source>
        <translation>Frame</translation>
    </message>
    <message id="コンピュータ">
        <source></source>
        <translation>Computer</translation>
    </message>
    <message id="ブースター">
        <source></source>
        <translation>Booster</translation>
    </message>
    <message id="プロテクタ">
        <source></source>
        <translation>Protector</translation>
    </message>
    <message id="ソフト">
        <source></source>
        <translation>Software</translation>
    </message>
    <message id="所持パーツ">
        <source></source>
        <translation>Parts owned</translation>
    </message>
    <message id="店(&amp;M)">
        <source></source>
        <translation>Shop (&amp;M)</translation>
    </message>
    <message id="プログラム(&amp;P)">
        <source></source>
        <translation>&amp;Program</translation>
    </message>
    <message id="シミュレーション(&amp;U)">
        <source></source>
        <translation>Sim&amp;ulation</translation>
    </message>
    <message id="トーナメント参加(&amp;T)">
        <source></source>
        <translation>&amp;Tournament</translation>
    </message>
    <message id="対戦(&amp;V)">
        <source></source>
        <translation>Duel (&amp;V)</translation>
    </message>
    <message id="時間を進める(&amp;W)">
        <source></source>
        <translation>&amp;Work a month</translation>
    </message>
    <message id="所持金%1Rl">
        <source></source>
        <translation>Money %1Rl</translation>
    </message>
    <message id="記録した試合がありません">
        <source></source>
        <translation>No recorded fights.</translation>
    </message>
    <message id="直前の試合を振り返る(&amp;P)">
        <source></source>
        <translation>Review the &amp;previous fight</translation>
    </message>
    <message id="記録した試合(&amp;R)">
        <source></source>
        <translation>&amp;Recorded fights</translation>
    </message>
    <message id="練習ラボ(&amp;B)">
        <source></source>
        <translation>Practice la&amp;b</translation>
    </message>
    <message id="技名">
        <source></source>
        <translation>Move</translation>
    </message>
    <message id="必要行動力">
        <source></source>
        <translation>AP needed</translation>
    </message>
    <message id="行動パターン">
        <source></source>
        <translation>Action pattern</translation>
    </message>
    <message id="距離">
        <source></source>
        <translation>Distance</translation>
    </message>
    <message id="状態">
        <source></source>
        <translation>State</translation>
    </message>
    <message id="Dollの書き出し">
        <source></source>
        <translation>Export Doll</translation>
    </message>
    <message id="Dollの読み込み（対戦相手）">
        <source></source>
        <translation>Import Doll (opponent)</translation>
    </message>
    <message id="Dollの書き出し(&amp;E)...">
        <source></source>
        <translation>&amp;Export Doll...</translation>
    </message>
    <message id="Dollの読み込み（対戦相手）(&amp;I)...">
        <source></source>
        <translation>&amp;Import Doll (opponent)...</translation>
    </message>
    <message id="プレイヤーデータを作成します">
        <source></source>
        <translation>Creating your pilot</translation>
    </message>
    <message id="プレイヤー">
        <source></source>
        <translation>Player</translation>
    </message>
    <message id="名前">
        <source></source>
        <translation>Name</translation>
    </message>
    <message id="所持金 (Rl)">
        <source></source>
        <translation>Money (Rl)</translation>
    </message>
    <message id="操作能力">
        <source></source>
        <translation>Piloting</translation>
    </message>
    <message id="イニシアチヴチェック　%1の先手です">
        <source></source>
        <translation>Initiative check: %1 moves first</translation>
    </message>
    <message id="振り返り(&amp;R)">
        <source></source>
        <translation>&amp;Review</translation>
    </message>
    <message id="次へ">
        <source></source>
        <translation>Next</translation>
    </message>
    <message id="ギブアップ">
        <source></source>
        <translation>Give up</translation>
    </message>
    <message id="戻る">
        <source></source>
        <translation>Back</translation>
    </message>
    <message id="あり">
        <source></source>
        <translation>yes</translation>
    </message>
    <message id="試合の振り返り">
        <source></source>
        <translation>Fight review</translation>
    </message>
    <message id="試合開始">
        <source></source>
        <translation>Fight begins</translation>
    </message>
    <message id="%1の行動: %2">
        <source></source>
        <translation>%1 acts: %2</translation>
    </message>
    <message id="コンピュータの判断: ">
        <source></source>
        <translation>Computer&apos;s reasoning: </translation>
    </message>
    <message id="この手で変わったこと:">
        <source></source>
        <translation>What this step changed:</translation>
    </message>
    <message id="　">
        <source></source>
        <translation>  </translation>
    </message>
    <message id="再生できません: ">
        <source></source>
        <translation>Cannot replay: </translation>
    </message>
    <message id="手 %1 / %2">
        <source></source>
        <translation>Step %1 / %2</translation>
    </message>
    <message id="行動ポイント ―">
        <source></source>
        <translation>Action points ―</translation>
    </message>
    <message id="イニシアチヴ ">
        <source></source>
        <translation>Initiative </translation>
    </message>
    <message id="組み: %1">
        <source></source>
        <translation>Grappling: %1</translation>
    </message>
    <message id="転倒: %1">
        <source></source>
        <translation>Down: %1</translation>
    </message>
    <message id="防御: %1">
        <source></source>
        <translation>Guard: %1</translation>
    </message>
    <message id="受身: %1">
        <source></source>
        <translation>Breakfall: %1</translation>
    </message>
    <message id="勝率">
        <source></source>
        <translation>Win rate</translation>
    </message>
    <message id="相手ごとの勝率（負けの多い順）">
        <source></source>
        <translation>Win rate per opponent (most losses first)</translation>
    </message>
    <message id="練習ラボ">
        <source></source>
        <translation>Practice lab</translation>
    </message>
    <message id="相手(&amp;A):">
        <source></source>
        <translation>Ag&amp;ainst:</translation>
    </message>
    <message id="試合数(&amp;N):">
        <source></source>
        <translation>&amp;Number of fights:</translation>
    </message>
    <message id="開始(&amp;S)">
        <source></source>
        <translation>&amp;Start</translation>
    </message>
    <message id="中止(&amp;C)">
        <source></source>
        <translation>&amp;Cancel</translation>
    </message>
    <message id="自分のDollを今のまま、選んだ相手と何度も戦わせます。お金、日付、ダメージ、戦績、セーブファイルは変わりません。">
        <source></source>
        <translation>Your Doll, as it is now, fights the chosen opponents many times. Money, date, damage, record and save files do not change.</translation>
    </message>
    <message id="パターン">
        <source></source>
        <translation>Pattern</translation>
    </message>
    <message id="選ばれた回数">
        <source></source>
        <translation>Times chosen</translation>
    </message>
    <message id="与えたダメージ">
        <source></source>
        <translation>Damage dealt</translation>
    </message>
    <message id="受けたダメージ">
        <source></source>
        <translation>Damage taken</translation>
    </message>
    <message id="相手">
        <source></source>
        <translation>Opponent</translation>
    </message>
    <message id="試合">
        <source></source>
        <translation>Fights</translation>
    </message>
    <message id="勝ち">
        <source></source>
        <translation>Won</translation>
    </message>
    <message id="負け">
        <source></source>
        <translation>Lost</translation>
    </message>
    <message id="最悪の敗戦を振り返る(&amp;W)">
        <source></source>
        <translation>Review the &amp;worst defeat</translation>
    </message>
    <message id="閉じる(&amp;X)">
        <source></source>
        <translation>Close (&amp;X)</translation>
    </message>
    <message id="クラス %1 の全員">
        <source></source>
        <translation>Everyone in class %1</translation>
    </message>
    <message id="対戦相手 ">
        <source></source>
        <translation>Opponent </translation>
    </message>
    <message id="敵Dollの登録ファイルが読めません: ">
        <source></source>
        <translation>The opponent registry cannot be read: </translation>
    </message>
    <message id="%1 %2（価値%3）">
        <source></source>
        <translation>%1 %2 (value %3)</translation>
    </message>
    <message id="プログラムを登録して下さい">
        <source></source>
        <translation>Please register a program.</translation>
    </message>
    <message id="Dollにモーターとフレームを付けて下さい">
        <source></source>
        <translation>Please mount a motor and a frame on the Doll.</translation>
    </message>
    <message id="試合中…">
        <source></source>
        <translation>Fighting…</translation>
    </message>
    <message id="%1%2試合: 勝ち%3 負け%4 引き分け%5　勝率 %6（95%の範囲 %7 ～ %8）　試合の長さ 平均%9手（標準偏差%10）">
        <source></source>
        <translation>%1%2 fights: won %3, lost %4, drawn %5.  Win rate %6 (95% range %7 to %8).  Length: mean %9 steps (s.d. %10)</translation>
    </message>
    <message id="中止までの ">
        <source></source>
        <translation>until cancelled, </translation>
    </message>
    <message id="様子見">
        <source></source>
        <translation>Wait</translation>
    </message>
    <message id="言語は次に起動したときから変わります">
        <source></source>
        <translation>The language changes the next time the game starts.</translation>
    </message>
    <message id="名前は%1文字まで">
        <source></source>
        <translation>Names are at most %1 characters</translation>
    </message>
    <message id="―― 第%1手 ――">
        <source></source>
        <translation>―― Step %1 ――</translation>
    </message>
    <message id="元に戻す">
        <source></source>
        <translation>Undo</translation>
    </message>
    <message id="やり直す">
        <source></source>
        <translation>Redo</translation>
    </message>
    <message id="行動パターン%1をコピー">
        <source></source>
        <translation>Copy action pattern %1</translation>
    </message>
    <message id="%1行目へ">
        <source></source>
        <translation>to row %1</translation>
    </message>
    <message id="基本行動（数字は使用行動力：使用メモリ）">
        <source></source>
        <translation>Basic actions (numbers: AP used : memory used)</translation>
    </message>
    <message id="ドラッグして行動パターンのところでドロップして下さい">
        <source></source>
        <translation>Drag and drop onto an action pattern</translation>
    </message>
    <message id="使用メモリ">
        <source></source>
        <translation>Memory used</translation>
    </message>
    <message id="クリア">
        <source></source>
        <translation>Clear</translation>
    </message>
    <message id="総使用メモリ">
        <source></source>
        <translation>Total memory used</translation>
    </message>
    <message id="使用ソフト">
        <source></source>
        <translation>Software used</translation>
    </message>
    <message id="ソフトの切替はできません">
        <source></source>
        <translation>Software cannot be switched</translation>
    </message>
    <message id="Dollの行動力">
        <source></source>
        <translation>Doll&apos;s action</translation>
    </message>
    <message id="コンピュータの総メモリ">
        <source></source>
        <translation>Computer&apos;s memory</translation>
    </message>
    <message id="登録">
        <source></source>
        <translation>Register</translation>
    </message>
    <message id="キャンセル">
        <source></source>
        <translation>Cancel</translation>
    </message>
    <message id="シミュレーション">
        <source></source>
        <translation>Simulation</translation>
    </message>
    <message id="対戦">
        <source></source>
        <translation>Duel</translation>
    </message>
    <message id="トーナメント">
        <source></source>
        <translation>Tournament</translation>
    </message>
    <message id="勝利">
        <source></source>
        <translation>Won</translation>
    </message>
    <message id="敗北">
        <source></source>
        <translation>Lost</translation>
    </message>
    <message id="中断">
        <source></source>
        <translation>Stopped</translation>
    </message>
    <message id="  （読めないファイル）">
        <source></source>
        <translation>  (unreadable file)</translation>
    </message>
    <message id="%1  %2  %3 対 %4  %5（%6手）">
        <source></source>
        <translation>%1  %2  %3 vs %4  %5 (%6 steps)</translation>
    </message>
    <message id="記録した試合">
        <source></source>
        <translation>Recorded fights</translation>
    </message>
    <message id="振り返る試合を選んで下さい（新しい順、最新100試合）">
        <source></source>
        <translation>Choose a fight to review (newest first, last 100 fights)</translation>
    </message>
    <message id="振り返る(&amp;O)">
        <source></source>
        <translation>Review (&amp;O)</translation>
    </message>
    <message id="閉じる(&amp;C)">
        <source></source>
        <translation>&amp;Close</translation>
    </message>
    <message id="所持金">
        <source></source>
        <translation>Money</translation>
    </message>
    <message id="閉じる">
        <source></source>
        <translation>Close</translation>
    </message>
    <message id="パーツを選ぶと、付けた時のDollの能力を比べられます">
        <source></source>
        <translation>Choose a part to compare the Doll&apos;s abilities with it mounted</translation>
    </message>
    <message id="%1 を付けると（今 → 後）">
        <source></source>
        <translation>With %1 mounted (now → after)</translation>
    </message>
    <message id="このパーツは今のDollには付けられません（同じ名前のパーツか、空きがありません）">
        <source></source>
        <translation>This part cannot be mounted on the Doll now (a part of the same name, or no free place)</translation>
    </message>
    <message id="ドール・バトル・シミュレーション">
        <source></source>
        <translation>Doll Battle Simulation</translation>
    </message>
    <message id="取消">
        <source></source>
        <translation>Undo</translation>
    </message>
    <message id="決定">
        <source></source>
        <translation>OK</translation>
    </message>
    <message id="敵Dollファイルを用意できませんでした&#xa;saveフォルダに書き込めるか確かめて下さい">
        <source></source>
        <translation>The opponent Doll files could not be prepared.
Check that the save folder can be written to.</translation>
    </message>
    <message id="　プレイヤーデータを作成します。&#xa;　Entryボタンでプレイヤーデータを登録します。&#xa;　初期データに満足の行かない場合、Resetボタンで設定し直せます。▼">
        <source></source>
        <translation> Your pilot is being created.
 Press Entry to register the pilot.
 If you are not happy with the values, press Reset to roll again. ▼</translation>
    </message>
    <message id="パワー&#xa;移動力&#xa;ジャンプ力&#xa;回転力&#xa;AC&#xa;重量&#xa;行動力&#xa;メモリ&#xa;価値">
        <source></source>
        <translation>Power
Move
Jump
Spin
AC
Weight
Action
Memory
Value</translation>
    </message>
    <message id="このゲームフォルダではVELKOがすでに起動しています。&#xa;起動中のゲームをお使い下さい。&#xa;">
        <source></source>
        <translation>VELKO is already running in this game folder.
Please use the game that is running.
</translation>
    </message>
</context>
</TS>
