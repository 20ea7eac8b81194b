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
    <message id="勝率の見通し(&amp;A)">
        <source></source>
        <translation>Win &amp;chances</translation>
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
        <translation>Safe fall: %1</translation>
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
    <message id="組まれている: 外しを探す">
        <source></source>
        <translation>Held: look for an escape</translation>
    </message>
    <message id="転倒している: 回転を探す">
        <source></source>
        <translation>Down: look for a spin</translation>
    </message>
    <message id="組んでいる: 攻撃を探す">
        <source></source>
        <translation>Holding: look for an attack</translation>
    </message>
    <message id="離れている: 移動を探す">
        <source></source>
        <translation>Apart: look for a move</translation>
    </message>
    <message id="接触、機動力で上: 最大APの技">
        <source></source>
        <translation>In contact, more mobile: the move with the most AP</translation>
    </message>
    <message id="接触、機動力で下: 組みを探す">
        <source></source>
        <translation>In contact, less mobile: look for a grapple</translation>
    </message>
    <message id="受身効果で%1ダメージが軽減されます。">
        <source></source>
        <translation>The safe fall reduces the damage by %1.</translation>
    </message>
    <message id="投げ！">
        <source></source>
        <translation>Throw! </translation>
    </message>
    <message id="ダメージはモーターに%1。">
        <source></source>
        <translation>Damage to the motor: %1. </translation>
    </message>
    <message id="フレームに%1！">
        <source></source>
        <translation>To the frame: %1!</translation>
    </message>
    <message id="間接技を極めて行きます。ダメージはフレームに%1">
        <source></source>
        <translation>A joint lock goes in. Damage to the frame: %1</translation>
    </message>
    <message id="・・・届かない！">
        <source></source>
        <translation>... out of reach!</translation>
    </message>
    <message id="攻撃はしかし、%1の防御に阻まれます。">
        <source></source>
        <translation>But the attack is stopped by %1&apos;s guard.</translation>
    </message>
    <message id="%1の防御をかいくぐってヒット！">
        <source></source>
        <translation>It slips past %1&apos;s guard and hits!</translation>
    </message>
    <message id="%1、立ちあがりました。">
        <source></source>
        <translation>%1 gets back up.</translation>
    </message>
    <message id="%1、組まれたまま転倒しました。">
        <source></source>
        <translation>%1 goes down, still held.</translation>
    </message>
    <message id="…転倒していては、有効な打撃が加えられません。">
        <source></source>
        <translation>... no telling blow can be struck from the ground.</translation>
    </message>
    <message id="…転倒していては、移動できません。">
        <source></source>
        <translation>... cannot move while down.</translation>
    </message>
    <message id="…転倒していては、ジャンプできません。">
        <source></source>
        <translation>... cannot jump while down.</translation>
    </message>
    <message id="先手">
        <source></source>
        <translation>First</translation>
    </message>
    <message id="後手">
        <source></source>
        <translation>Second</translation>
    </message>
    <message id="（両者のイニシアチヴチェックは互角です）">
        <source></source>
        <translation>(Both initiative checks are even)</translation>
    </message>
    <message id="極限の精神状態が生み出す緊迫した攻防！">
        <source></source>
        <translation>A tense exchange, born of minds at their limit!</translation>
    </message>
    <message id="行動ポイント%1">
        <source></source>
        <translation>Action points %1</translation>
    </message>
    <message id="%1勝利">
        <source></source>
        <translation>%1 wins</translation>
    </message>
    <message id="%1敗北">
        <source></source>
        <translation>%1 loses</translation>
    </message>
    <message id="組んでいる状態では、100％命中します。">
        <source></source>
        <translation>While holding, every attack hits.</translation>
    </message>
    <message id="組み合ったまま移動します。">
        <source></source>
        <translation>Moves while locked together.</translation>
    </message>
    <message id="移動しつつ勢いをつけて%1パワー">
        <source></source>
        <translation>Builds momentum on the move: %1 power</translation>
    </message>
    <message id="%1ダッシュで間合いを詰めた！">
        <source></source>
        <translation>Dashes %1 and closes the distance!</translation>
    </message>
    <message id="距離を置こうとしたが、ガッチリつかまれている。">
        <source></source>
        <translation>Tries to back off, but is held fast.</translation>
    </message>
    <message id="距離を置いた。">
        <source></source>
        <translation>Backs off.</translation>
    </message>
    <message id="ジャンプで＋%1パワー">
        <source></source>
        <translation>Jump: +%1 power. </translation>
    </message>
    <message id="回転で＋%1パワー">
        <source></source>
        <translation>Spin: +%1 power. </translation>
    </message>
    <message id="・・・命中！">
        <source></source>
        <translation>... hit! </translation>
    </message>
    <message id="ダメージは%1">
        <source></source>
        <translation>Damage: %1</translation>
    </message>
    <message id="かわされた！">
        <source></source>
        <translation> dodged!</translation>
    </message>
    <message id="組みついて">
        <source></source>
        <translation>Grapples and </translation>
    </message>
    <message id="組みつきに失敗。">
        <source></source>
        <translation>The grapple fails.</translation>
    </message>
    <message id="組み合っていた相手の技が外れました。">
        <source></source>
        <translation>The opponent&apos;s hold is broken.</translation>
    </message>
    <message id="組んでいなければ投げられません。">
        <source></source>
        <translation>A throw needs a hold.</translation>
    </message>
    <message id="組んでいなければ関節技も決められません。">
        <source></source>
        <translation>A joint lock needs a hold too.</translation>
    </message>
    <message id="防御の構えです。">
        <source></source>
        <translation>Takes a guard stance.</translation>
    </message>
    <message id="振りほどいた。">
        <source></source>
        <translation>Shakes free.</translation>
    </message>
    <message id="力が強くて振りほどけない！">
        <source></source>
        <translation>Too strong to shake off!</translation>
    </message>
    <message id="自ら技を解いた。">
        <source></source>
        <translation>Lets go of the hold.</translation>
    </message>
    <message id="振りほどく動き。">
        <source></source>
        <translation>A move to shake free.</translation>
    </message>
    <message id="様子見です。">
        <source></source>
        <translation>Waits and watches.</translation>
    </message>
    <message id="これが、これが！%1だッ！！">
        <source></source>
        <translation>This is it, this is it! %1!!</translation>
    </message>
    <message id="でたぁっ！%1ッ！！！！！">
        <source></source>
        <translation>There it is! %1!!!!!</translation>
    </message>
    <message id="転倒している">
        <source></source>
        <translation>Down</translation>
    </message>
    <message id="組まれている">
        <source></source>
        <translation>Held</translation>
    </message>
    <message id="距離　%1">
        <source></source>
        <translation>Distance %1</translation>
    </message>
    <message id="転倒中">
        <source></source>
        <translation>Down</translation>
    </message>
    <message id="組み合っている">
        <source></source>
        <translation>Locked together</translation>
    </message>
    <message id="モータを修理しました">
        <source></source>
        <translation>Motor repaired</translation>
    </message>
    <message id="モータは完全に破壊されています">
        <source></source>
        <translation>The motor is destroyed beyond repair</translation>
    </message>
    <message id="フレームを修理しました">
        <source></source>
        <translation>Frame repaired</translation>
    </message>
    <message id="フレームは完全に破壊されています">
        <source></source>
        <translation>The frame is destroyed beyond repair</translation>
    </message>
    <message id="（代金%1Rl）">
        <source></source>
        <translation>(cost %1Rl)</translation>
    </message>
    <message id="金額不足で途中までしか直りません">
        <source></source>
        <translation>Not enough money: only partly repaired</translation>
    </message>
    <message id="経験値＋1000">
        <source></source>
        <translation>Experience +1000</translation>
    </message>
    <message id="レベル＋１">
        <source></source>
        <translation>Level +1</translation>
    </message>
    <message id="操作能力＋%1">
        <source></source>
        <translation>Piloting +%1</translation>
    </message>
    <message id="賞金%1">
        <source></source>
        <translation>Prize %1</translation>
    </message>
    <message id="臨時収入が%1Rl入った">
        <source></source>
        <translation>An extra income of %1Rl came in</translation>
    </message>
    <message id="%1勝%2敗&#xa;優勝%3回&#xa;">
        <source></source>
        <translation>%1 won, %2 lost
%3 championships
</translation>
    </message>
    <message id="最終成績&#xa;">
        <source></source>
        <translation>Final record
</translation>
    </message>
    <message id="このドールは書き出せません&#xa;">
        <source></source>
        <translation>This Doll cannot be exported
</translation>
    </message>
    <message id="ファイルを書き出せませんでした&#xa;">
        <source></source>
        <translation>The file could not be written
</translation>
    </message>
    <message id="%1を書き出しました">
        <source></source>
        <translation>%1 was exported</translation>
    </message>
    <message id="読み込めません&#xa;">
        <source></source>
        <translation>Cannot read
</translation>
    </message>
    <message id="ファイルが見つかりません">
        <source></source>
        <translation>File not found</translation>
    </message>
    <message id="%1の%2を対戦相手にしました">
        <source></source>
        <translation>%1&apos;s %2 is now your opponent</translation>
    </message>
    <message id="試合画面です。「次へ」を押して進行し、指示にしたがって下さい。">
        <source></source>
        <translation>This is the fight screen. Press &quot;Next&quot; to go on and follow the instructions.</translation>
    </message>
    <message id="ギブアップして試合を中断しますか？">
        <source></source>
        <translation>Give up and stop the fight?</translation>
    </message>
    <message id="登録されている敵Dollがいません">
        <source></source>
        <translation>No opponent Dolls are registered</translation>
    </message>
    <message id="このクラスのトーナメントに出場できる敵Dollが足りません">
        <source></source>
        <translation>Not enough opponent Dolls for a tournament of this class</translation>
    </message>
    <message id="優勝&#xa;賞金%1Rl">
        <source></source>
        <translation>Champion!
Prize %1Rl</translation>
    </message>
    <message id="　コンボボックスでパーツの種類を選択し、リストからパーツを選んで下さい。">
        <source></source>
        <translation> Choose a kind of part in the box, then a part in the list.</translation>
    </message>
    <message id="　コンボでパーツの種類を選択し、リストからパーツを選んで下さい。">
        <source></source>
        <translation> Choose a kind in the box, then a part in the list.</translation>
    </message>
    <message id="&#xa;　ここでDollの組み立てを行います。">
        <source></source>
        <translation>
 Here you assemble your Doll.</translation>
    </message>
    <message id="&#xa;　Dollには最低でも、モーター、フレーム、ハードウェアが必要です。">
        <source></source>
        <translation>
 A Doll needs at least a motor, a frame and hardware.</translation>
    </message>
    <message id="ドールの名前を%1に変更しますか？">
        <source></source>
        <translation>Rename the Doll to %1?</translation>
    </message>
    <message id="テストのための模擬戦闘を行いますか？">
        <source></source>
        <translation>Fight a practice bout as a test?</translation>
    </message>
    <message id="対戦相手が準備されていません&#xa;メニューの「対戦相手のロード」より対戦相手ファイルをロードして下さい">
        <source></source>
        <translation>No opponent is ready
Load an opponent file with &quot;Load opponent&quot; in the menu</translation>
    </message>
    <message id="%1と対戦しますか？">
        <source></source>
        <translation>Fight %1?</translation>
    </message>
    <message id="%1クラスのトーナメントに参加しますか？">
        <source></source>
        <translation>Enter the %1 class tournament?</translation>
    </message>
    <message id="試合をせずに日々の仕事に徹しますか？">
        <source></source>
        <translation>Skip fighting and work for the month?</translation>
    </message>
    <message id="対戦相手をロードしますか？">
        <source></source>
        <translation>Load an opponent?</translation>
    </message>
    <message id="%1を敵として登録しますか？">
        <source></source>
        <translation>Register %1 as an opponent?</translation>
    </message>
    <message id="プレイヤー名　%1&#xa;操作能力%2&#xa;レベル%3&#xa;経験値%4">
        <source></source>
        <translation>Pilot %1
Piloting %2
Level %3
Experience %4</translation>
    </message>
    <message id="セーブしていませんが、よろしいですか？">
        <source></source>
        <translation>The game is not saved. Continue anyway?</translation>
    </message>
    <message id="初心者用ガイドをオフにしますか？">
        <source></source>
        <translation>Turn the beginner&apos;s guide off?</translation>
    </message>
    <message id="初心者用ガイドをオンにしました">
        <source></source>
        <translation>The beginner&apos;s guide is on</translation>
    </message>
    <message id="この環境ではＢＧＭを再生できません。必要なランタイムをインストールして下さい。">
        <source></source>
        <translation>Music cannot play here. Please install the runtime it needs.</translation>
    </message>
    <message id="敵Dollファイルを初期化しますか？">
        <source></source>
        <translation>Reset the opponent Doll files?</translation>
    </message>
    <message id="敵ファイルを初期化できませんでした">
        <source></source>
        <translation>The opponent files could not be reset</translation>
    </message>
    <message id="初期化完了しました">
        <source></source>
        <translation>Reset complete</translation>
    </message>
    <message id="見出しの番号が負の数です">
        <source></source>
        <translation>A heading number is negative</translation>
    </message>
    <message id="名前に登録できない文字が含まれています">
        <source></source>
        <translation>The name has characters that cannot be registered</translation>
    </message>
    <message id="敵ファイルに書き込めませんでした">
        <source></source>
        <translation>The opponent file could not be written</translation>
    </message>
    <message id="現在 99体以上は登録できません&#xa;新たに登録したい場合は、一度敵ファイルを初期化して下さい">
        <source></source>
        <translation>No more than 99 can be registered
To register a new one, reset the opponent files first</translation>
    </message>
    <message id="書き込み途中のままです">
        <source></source>
        <translation>was left half written</translation>
    </message>
    <message id="このドールは完成されていません">
        <source></source>
        <translation>This Doll is not complete</translation>
    </message>
    <message id="このドールは技がプログラムされていません">
        <source></source>
        <translation>This Doll has no moves programmed</translation>
    </message>
    <message id="セーブできませんでした&#xa;名前にセーブできない文字が含まれています">
        <source></source>
        <translation>Could not save
A name has characters that cannot be saved</translation>
    </message>
    <message id="セーブできませんでした&#xa;ファイルに書き込めません">
        <source></source>
        <translation>Could not save
The file cannot be written</translation>
    </message>
    <message id="移動">
        <source></source>
        <translation>Move</translation>
    </message>
    <message id="ジャンプ">
        <source></source>
        <translation>Jump</translation>
    </message>
    <message id="回転">
        <source></source>
        <translation>Spin</translation>
    </message>
    <message id="パンチ">
        <source></source>
        <translation>Punch</translation>
    </message>
    <message id="キック">
        <source></source>
        <translation>Kick</translation>
    </message>
    <message id="組み">
        <source></source>
        <translation>Grapple</translation>
    </message>
    <message id="投げ">
        <source></source>
        <translation>Throw</translation>
    </message>
    <message id="折り">
        <source></source>
        <translation>Lock</translation>
    </message>
    <message id="防御">
        <source></source>
        <translation>Guard</translation>
    </message>
    <message id="受身">
        <source></source>
        <translation>Safe fall</translation>
    </message>
    <message id="外し">
        <source></source>
        <translation>Escape</translation>
    </message>
    <message id="この技でいいですか？">
        <source></source>
        <translation>Use this move?</translation>
    </message>
    <message id="技を選択して下さい。背景の白い技が選択可能です。">
        <source></source>
        <translation>Choose a move. Moves on white can be chosen.</translation>
    </message>
    <message id="命令を中止しますか？">
        <source></source>
        <translation>Cancel the order?</translation>
    </message>
    <message id="移動指示">
        <source></source>
        <translation>Move order</translation>
    </message>
    <message id="接近">
        <source></source>
        <translation>Close in</translation>
    </message>
    <message id="離脱">
        <source></source>
        <translation>Back off</translation>
    </message>
    <message id="　ここでDollの動きをプログラムします。">
        <source></source>
        <translation> Here you program how your Doll moves.</translation>
    </message>
    <message id="　基本行動を行動パターンにドラッグ＆ドロップして、「移動＋ジャンプ＋キック」のように設定して下さい。">
        <source></source>
        <translation> Drag basic actions onto an action pattern, like &quot;Move+Jump+Kick&quot;.</translation>
    </message>
    <message id="　「移動＋パンチ＋移動」のようにすれば、ヒット＆アウェイも可能です。▼">
        <source></source>
        <translation> &quot;Move+Punch+Move&quot; makes a hit and run. ▼</translation>
    </message>
    <message id="　基本行動を複雑に組み合わせるほど、行動パターンの使用行動ポイントと使用メモリも増えて行きます。">
        <source></source>
        <translation> The more actions a pattern joins, the more action points and memory it uses.</translation>
    </message>
    <message id="①使用行動ポイントが大きい程、その技を出せる確率が低くなります。">
        <source></source>
        <translation>1. The more action points a move uses, the less often it can be made.</translation>
    </message>
    <message id="　このDollの行動ポイントは%1～%2　なので、%2以内、%3ポイントくらいの技を中心に考えましょう。">
        <source></source>
        <translation> This Doll has %1 to %2 action points, so keep to moves of at most %2, mostly around %3.</translation>
    </message>
    <message id="②あなたのコンピュータのメモリは%1です。">
        <source></source>
        <translation>2. Your computer has %1 memory.</translation>
    </message>
    <message id="　全ての行動パターンの使用メモリの合計が、%1以内に収まるよう設定しましょう。▼">
        <source></source>
        <translation> Keep the memory of all patterns together within %1. ▼</translation>
    </message>
    <message id="　得意な技を多く組みこむのがコツです。">
        <source></source>
        <translation> The trick is to use the moves your Doll is good at.</translation>
    </message>
    <message id="ジャンプ力があるDollはジャンプを多く組みこむべきですし、パワーがあるDollは連打をや投げ、折りを多用すると効果的です。▼">
        <source></source>
        <translation>A Doll that jumps well should jump a lot; a powerful Doll does well with flurries, throws and locks. ▼</translation>
    </message>
    <message id="「移動」を組みこんだ技（離れた相手と戦うため）">
        <source></source>
        <translation>a move with &quot;Move&quot; (to reach an opponent who is apart)</translation>
    </message>
    <message id="「回転」を組みこんだ技（転倒時に立ちあがるため）">
        <source></source>
        <translation>a move with &quot;Spin&quot; (to get up when down)</translation>
    </message>
    <message id="「外し」を組みこんだ技（組まれたときのため）">
        <source></source>
        <translation>a move with &quot;Escape&quot; (for when you are held)</translation>
    </message>
    <message id="を最低一つは入れておくべきでしょう。▼">
        <source></source>
        <translation>Have at least one of each. ▼</translation>
    </message>
    <message id="接近・離脱に使う他、移動攻撃により攻撃力が上がります">
        <source></source>
        <translation>Closes in or backs off; attacking on the move adds power</translation>
    </message>
    <message id="ジャンプ後に攻撃すると、攻撃力が上がります">
        <source></source>
        <translation>Attacking after a jump adds power</translation>
    </message>
    <message id="立ち上がるのに使う他、回転攻撃により攻撃力が上がります">
        <source></source>
        <translation>Gets up from the ground; a spinning attack adds power</translation>
    </message>
    <message id="パンチよりも与えるダメージが大きくなります">
        <source></source>
        <translation>Does more damage than a punch</translation>
    </message>
    <message id="組むと攻撃が100%当たるようになります。組まないと投げや折りはできません">
        <source></source>
        <translation>While holding, every attack hits. Throws and locks need a hold</translation>
    </message>
    <message id="相手のモーターとフレームにダメージを与えます。組まないと投げられません">
        <source></source>
        <translation>Damages the opponent&apos;s motor and frame. Needs a hold</translation>
    </message>
    <message id="相手のモーターとフレームにダメージを与えます。組まないと投げられません。組まれている時、投げに成功すると外れます">
        <source></source>
        <translation>Damages the opponent&apos;s motor and frame. Needs a hold. A throw while held breaks the hold</translation>
    </message>
    <message id="相手のフレームに確実にダメージを与えます。組まないと折りはできません">
        <source></source>
        <translation>Surely damages the opponent&apos;s frame. Needs a hold</translation>
    </message>
    <message id="相手のフレームにのみ確実にダメージを与えます。相手のACを無視します。組まないと折れません">
        <source></source>
        <translation>Surely damages only the opponent&apos;s frame, ignoring its AC. Needs a hold</translation>
    </message>
    <message id="相手の攻撃に備えます">
        <source></source>
        <translation>Guards against attacks</translation>
    </message>
    <message id="ダメージが軽減されます">
        <source></source>
        <translation>Reduces the damage</translation>
    </message>
    <message id="組まれていたら外します。">
        <source></source>
        <translation>Breaks free when held.</translation>
    </message>
    <message id="組まれていたら外します">
        <source></source>
        <translation>Breaks free when held</translation>
    </message>
    <message id="ゴミ箱">
        <source></source>
        <translation>Trash</translation>
    </message>
    <message id="行動パターン%1の%2番目：%3">
        <source></source>
        <translation>Pattern %1, action %2: %3</translation>
    </message>
    <message id="空き">
        <source></source>
        <translation>empty</translation>
    </message>
    <message id="実況を上へ">
        <source></source>
        <translation>Narration up</translation>
    </message>
    <message id="実況を下へ">
        <source></source>
        <translation>Narration down</translation>
    </message>
    <message id="%1番目の技の入力が正しくありません">
        <source></source>
        <translation>Move %1 is not entered correctly</translation>
    </message>
    <message id="左寄せに入力して下さい">
        <source></source>
        <translation>Please fill it from the left</translation>
    </message>
    <message id="メモリが足りません">
        <source></source>
        <translation>Not enough memory</translation>
    </message>
    <message id="所持パーツ（Used）">
        <source></source>
        <translation>Parts owned (used)</translation>
    </message>
    <message id="所持パーツ（New）">
        <source></source>
        <translation>Parts owned (new)</translation>
    </message>
    <message id="このパーツを付けると、トーナメントの出場クラスが%1から%2に上がります。">
        <source></source>
        <translation>With this part the Doll moves up from class %1 to %2.</translation>
    </message>
    <message id="お金が足りません">
        <source></source>
        <translation>Not enough money</translation>
    </message>
    <message id="購入しますか？">
        <source></source>
        <translation>Buy it?</translation>
    </message>
    <message id="これ以上買えません">
        <source></source>
        <translation>You cannot buy any more</translation>
    </message>
    <message id="パーツが見つかりません">
        <source></source>
        <translation>Part not found</translation>
    </message>
    <message id="名称">
        <source></source>
        <translation>Name</translation>
    </message>
    <message id="　ここでDollのパーツを買います。">
        <source></source>
        <translation> Here you buy parts for your Doll.</translation>
    </message>
    <message id="　Dollには最低でも、モーター、フレーム、ハードウェアが必要です。">
        <source></source>
        <translation> A Doll needs at least a motor, a frame and hardware.</translation>
    </message>
    <message id="フレームはパーツを組みこむベースとなるDollの身体です。">
        <source></source>
        <translation>The frame is the Doll&apos;s body that holds the parts.</translation>
    </message>
    <message id="場合によっては機動力も扱います。▼">
        <source></source>
        <translation>Some also give mobility. ▼</translation>
    </message>
    <message id="ブースターは移動力、ジャンプ力、回転力など機動力を扱うパーツです。">
        <source></source>
        <translation>Boosters give mobility: move, jump and spin.</translation>
    </message>
    <message id="「ジャンプ＋回転＋キック」などを行う場合、これらの数値が高いほど効果が大きくなります。▼">
        <source></source>
        <translation>The higher they are, the stronger moves like &quot;Jump+Spin+Kick&quot; become. ▼</translation>
    </message>
    <message id="プロテクタは防御力を扱うパーツです。">
        <source></source>
        <translation>Protectors give defence.</translation>
    </message>
    <message id="ACの数値が高いほどダメージが軽減されます。▼">
        <source></source>
        <translation>The higher the AC, the less damage is taken. ▼</translation>
    </message>
    <message id="コンピュータはDollの技を管理します。">
        <source></source>
        <translation>The computer runs the Doll&apos;s moves.</translation>
    </message>
    <message id="CPUの数値が高いほど１ターンの間に複雑な技を出す事ができ、メモリの数値が高いほど多彩な技を持てます。▼">
        <source></source>
        <translation>A higher CPU allows more complex moves in one turn; more memory allows more kinds of moves. ▼</translation>
    </message>
    <message id="モーターはパワーを扱うパーツです。">
        <source></source>
        <translation>The motor gives power.</translation>
    </message>
    <message id="パワーの数値が高いほど、攻撃が当たった時の効果が大きくなります。▼">
        <source></source>
        <translation>The more power, the harder a hit lands. ▼</translation>
    </message>
    <message id="武者姿の丈夫なフレームです。">
        <source></source>
        <translation>A sturdy frame in the shape of a warrior.</translation>
    </message>
    <message id="移動するためにはブースターが必要です。▼">
        <source></source>
        <translation>It needs a booster to move. ▼</translation>
    </message>
    <message id="女性型のフレームです。">
        <source></source>
        <translation>A frame of female form.</translation>
    </message>
    <message id="ブースターの助けなしに移動・ジャンプ・回転できます。▼">
        <source></source>
        <translation>It can move, jump and spin without a booster. ▼</translation>
    </message>
    <message id="ブースターの助けなしに移動・ジャンプできます。">
        <source></source>
        <translation>It can move and jump without a booster.</translation>
    </message>
    <message id="回転はできません。▼">
        <source></source>
        <translation>It cannot spin. ▼</translation>
    </message>
    <message id="値段">
        <source></source>
        <translation>Price</translation>
    </message>
    <message id="パワー：相手に与えるダメージの他、組みついた時の強さに影響します">
        <source></source>
        <translation>Power: the damage dealt, and strength when grappling</translation>
    </message>
    <message id="攻撃力：値が大きいほど攻撃が当たりやすくなります">
        <source></source>
        <translation>Offence: the higher, the more often attacks hit</translation>
    </message>
    <message id="防御力：値が大きいほど攻撃が当たりにくくなります">
        <source></source>
        <translation>Defence: the higher, the less often attacks land</translation>
    </message>
    <message id="移動力：移動の効果が大きくなります">
        <source></source>
        <translation>Move: moving does more</translation>
    </message>
    <message id="ジャンプ力：ジャンプ攻撃のダメージが大きくなります">
        <source></source>
        <translation>Jump: jumping attacks do more damage</translation>
    </message>
    <message id="回転力：回転攻撃のダメージが大きくなります">
        <source></source>
        <translation>Spin: spinning attacks do more damage</translation>
    </message>
    <message id="アーマークラス：ダメージが軽減されます">
        <source></source>
        <translation>Armour class: reduces damage</translation>
    </message>
    <message id="CPU処理能力：値が大きいほど派手な技が繰り出せます">
        <source></source>
        <translation>CPU: the higher, the flashier the moves</translation>
    </message>
    <message id="メモリ：値が大きいほど多彩な技が繰り出せます">
        <source></source>
        <translation>Memory: the higher, the more kinds of moves</translation>
    </message>
    <message id="重量：軽いほど移動やジャンプ、回転力が上がります">
        <source></source>
        <translation>Weight: the lighter, the better it moves, jumps and spins</translation>
    </message>
    <message id="ヒットポイント：パーツの丈夫さです">
        <source></source>
        <translation>Hit points: how tough the part is</translation>
    </message>
    <message id="セーブ画面">
        <source></source>
        <translation>Save</translation>
    </message>
    <message id="ロード画面">
        <source></source>
        <translation>Load</translation>
    </message>
    <message id="上書きしますか？">
        <source></source>
        <translation>Overwrite it?</translation>
    </message>
    <message id="（ロード時には新品のパーツも中古として扱われます）">
        <source></source>
        <translation>(After loading, new parts count as used)</translation>
    </message>
    <message id="これをロードしますか？">
        <source></source>
        <translation>Load this game?</translation>
    </message>
    <message id="%1でいいですか？">
        <source></source>
        <translation>Use %1?</translation>
    </message>
    <message id="%1でセーブしますか？">
        <source></source>
        <translation>Save to %1?</translation>
    </message>
    <message id="%1には以下のデータがあります。">
        <source></source>
        <translation>%1 holds this game:</translation>
    </message>
    <message id="セーブ番号を打ち込んでください">
        <source></source>
        <translation>Type a save number</translation>
    </message>
    <message id="秋津遥人">
        <source></source>
        <translation>H. Akitsu</translation>
    </message>
    <message id="遊び方">
        <source></source>
        <translation>How to play</translation>
    </message>
    <message id="part:ポニー">
        <source></source>
        <translation>Pony</translation>
    </message>
    <message id="part:ミュール">
        <source></source>
        <translation>Mule</translation>
    </message>
    <message id="part:スパロー">
        <source></source>
        <translation>Sparrow</translation>
    </message>
    <message id="part:ブルドッグ">
        <source></source>
        <translation>Bulldog</translation>
    </message>
    <message id="part:ホーネット">
        <source></source>
        <translation>Hornet</translation>
    </message>
    <message id="part:ジャッカル">
        <source></source>
        <translation>Jackal</translation>
    </message>
    <message id="part:バイソン">
        <source></source>
        <translation>Bison</translation>
    </message>
    <message id="part:ライコウ">
        <source></source>
        <translation>Raiko</translation>
    </message>
    <message id="part:ハヤテ">
        <source></source>
        <translation>Hayate</translation>
    </message>
    <message id="part:マンモス">
        <source></source>
        <translation>Mammoth</translation>
    </message>
    <message id="part:グリフォン">
        <source></source>
        <translation>Griffon</translation>
    </message>
    <message id="part:スレイプニル">
        <source></source>
        <translation>Sleipnir</translation>
    </message>
    <message id="part:タイタン">
        <source></source>
        <translation>Titan</translation>
    </message>
    <message id="part:ワイバーン">
        <source></source>
        <translation>Wyvern</translation>
    </message>
    <message id="part:シルフィード">
        <source></source>
        <translation>Sylphide</translation>
    </message>
    <message id="part:ベヒモス">
        <source></source>
        <translation>Behemoth</translation>
    </message>
    <message id="part:バハムート">
        <source></source>
        <translation>Bahamut</translation>
    </message>
    <message id="part:フェンリル">
        <source></source>
        <translation>Fenrir</translation>
    </message>
    <message id="part:轟天">
        <source></source>
        <translation>Goten</translation>
    </message>
    <message id="part:修羅">
        <source></source>
        <translation>Shura</translation>
    </message>
    <message id="part:羅刹">
        <source></source>
        <translation>Rasetsu</translation>
    </message>
    <message id="part:バルキリー">
        <source></source>
        <translation>Valkyrie</translation>
    </message>
    <message id="part:ダフネ">
        <source></source>
        <translation>Daphne</translation>
    </message>
    <message id="part:足軽">
        <source></source>
        <translation>Ashigaru</translation>
    </message>
    <message id="part:野武士">
        <source></source>
        <translation>Nobushi</translation>
    </message>
    <message id="part:ニンフ">
        <source></source>
        <translation>Nymph</translation>
    </message>
    <message id="part:夜叉">
        <source></source>
        <translation>Yasha</translation>
    </message>
    <message id="part:セイレーン">
        <source></source>
        <translation>Siren</translation>
    </message>
    <message id="part:般若">
        <source></source>
        <translation>Hannya</translation>
    </message>
    <message id="part:ディアナ">
        <source></source>
        <translation>Diana</translation>
    </message>
    <message id="part:金剛">
        <source></source>
        <translation>Kongo</translation>
    </message>
    <message id="part:アルテミス">
        <source></source>
        <translation>Artemis</translation>
    </message>
    <message id="part:韋駄天">
        <source></source>
        <translation>Idaten</translation>
    </message>
    <message id="part:ミネルヴァ">
        <source></source>
        <translation>Minerva</translation>
    </message>
    <message id="part:阿修羅">
        <source></source>
        <translation>Ashura</translation>
    </message>
    <message id="part:アテナ">
        <source></source>
        <translation>Athena</translation>
    </message>
    <message id="part:風神">
        <source></source>
        <translation>Fujin</translation>
    </message>
    <message id="part:雷神">
        <source></source>
        <translation>Raijin</translation>
    </message>
    <message id="part:ニケ">
        <source></source>
        <translation>Nike</translation>
    </message>
    <message id="part:ローラー">
        <source></source>
        <translation>Roller</translation>
    </message>
    <message id="part:スプリング">
        <source></source>
        <translation>Spring</translation>
    </message>
    <message id="part:ジャイロ">
        <source></source>
        <translation>Gyro</translation>
    </message>
    <message id="part:ホッパー">
        <source></source>
        <translation>Hopper</translation>
    </message>
    <message id="part:ホイール">
        <source></source>
        <translation>Wheel</translation>
    </message>
    <message id="part:ハイジャンパー">
        <source></source>
        <translation>High Jumper</translation>
    </message>
    <message id="part:ターボファン">
        <source></source>
        <translation>Turbofan</translation>
    </message>
    <message id="part:スピナー">
        <source></source>
        <translation>Spinner</translation>
    </message>
    <message id="part:エアリアル">
        <source></source>
        <translation>Aerial</translation>
    </message>
    <message id="part:ロケット">
        <source></source>
        <translation>Rocket</translation>
    </message>
    <message id="part:トルネード">
        <source></source>
        <translation>Tornado</translation>
    </message>
    <message id="part:ソニック">
        <source></source>
        <translation>Sonic</translation>
    </message>
    <message id="part:フェザー">
        <source></source>
        <translation>Feather</translation>
    </message>
    <message id="part:サイクロン">
        <source></source>
        <translation>Cyclone</translation>
    </message>
    <message id="part:イカロス">
        <source></source>
        <translation>Icarus</translation>
    </message>
    <message id="part:ハヤブサ">
        <source></source>
        <translation>Falcon</translation>
    </message>
    <message id="part:ミラージュ">
        <source></source>
        <translation>Mirage</translation>
    </message>
    <message id="part:ペガサス">
        <source></source>
        <translation>Pegasus</translation>
    </message>
    <message id="part:流星">
        <source></source>
        <translation>Meteor</translation>
    </message>
    <message id="part:レザーパッド">
        <source></source>
        <translation>Leather Pad</translation>
    </message>
    <message id="part:ラバーガード">
        <source></source>
        <translation>Rubber Guard</translation>
    </message>
    <message id="part:スチール">
        <source></source>
        <translation>Steel</translation>
    </message>
    <message id="part:FRPシェル">
        <source></source>
        <translation>FRP Shell</translation>
    </message>
    <message id="part:アルミプレート">
        <source></source>
        <translation>Aluminium Plate</translation>
    </message>
    <message id="part:ナイロンメッシュ">
        <source></source>
        <translation>Nylon Mesh</translation>
    </message>
    <message id="part:重装甲板">
        <source></source>
        <translation>Heavy Plate</translation>
    </message>
    <message id="part:カーボン">
        <source></source>
        <translation>Carbon</translation>
    </message>
    <message id="part:チタンプレート">
        <source></source>
        <translation>Titanium Plate</translation>
    </message>
    <message id="part:セラミック">
        <source></source>
        <translation>Ceramic</translation>
    </message>
    <message id="part:アラミド">
        <source></source>
        <translation>Aramid</translation>
    </message>
    <message id="part:Kevler">
        <source></source>
        <translation>Kevler</translation>
    </message>
    <message id="part:複合装甲">
        <source></source>
        <translation>Composite Armour</translation>
    </message>
    <message id="part:ハニカム">
        <source></source>
        <translation>Honeycomb</translation>
    </message>
    <message id="part:超硬合金">
        <source></source>
        <translation>Hard Alloy</translation>
    </message>
    <message id="part:衝撃吸収ジェル">
        <source></source>
        <translation>Shock Gel</translation>
    </message>
    <message id="part:反応装甲">
        <source></source>
        <translation>Reactive Armour</translation>
    </message>
    <message id="part:ナノスキン">
        <source></source>
        <translation>Nanoskin</translation>
    </message>
    <message id="part:オリハルコン">
        <source></source>
        <translation>Orichalcum</translation>
    </message>
    <message id="part:ベーシック">
        <source></source>
        <translation>Basic</translation>
    </message>
    <message id="part:カリキュレ">
        <source></source>
        <translation>Calcule</translation>
    </message>
    <message id="part:ロジック">
        <source></source>
        <translation>Logic</translation>
    </message>
    <message id="part:ニューロ">
        <source></source>
        <translation>Neuro</translation>
    </message>
    <message id="part:アナライザ">
        <source></source>
        <translation>Analyser</translation>
    </message>
    <message id="part:メモリア">
        <source></source>
        <translation>Memoria</translation>
    </message>
    <message id="part:タクティクス">
        <source></source>
        <translation>Tactics</translation>
    </message>
    <message id="part:ストラテジ">
        <source></source>
        <translation>Strategy</translation>
    </message>
    <message id="part:アーカイブ">
        <source></source>
        <translation>Archive</translation>
    </message>
    <message id="part:オラクル">
        <source></source>
        <translation>Oracle</translation>
    </message>
    <message id="part:ブレイン">
        <source></source>
        <translation>Brain</translation>
    </message>
    <message id="part:ライブラリ">
        <source></source>
        <translation>Library</translation>
    </message>
    <message id="part:セージ">
        <source></source>
        <translation>Sage</translation>
    </message>
    <message id="part:アルゴス">
        <source></source>
        <translation>Argos</translation>
    </message>
    <message id="part:ソフィア">
        <source></source>
        <translation>Sophia</translation>
    </message>
    <message id="part:メティス">
        <source></source>
        <translation>Metis</translation>
    </message>
    <message id="part:アカシック">
        <source></source>
        <translation>Akashic</translation>
    </message>
    <message id="part:プロメテウス">
        <source></source>
        <translation>Prometheus</translation>
    </message>
    <message id="part:ラプラス">
        <source></source>
        <translation>Laplace</translation>
    </message>
    <message id="part:ウォーカー">
        <source></source>
        <translation>Walker</translation>
    </message>
    <message id="part:ステッパー">
        <source></source>
        <translation>Stepper</translation>
    </message>
    <message id="part:ランナー">
        <source></source>
        <translation>Runner</translation>
    </message>
    <message id="part:アクロバット">
        <source></source>
        <translation>Acrobat</translation>
    </message>
    <message id="part:エアダンス">
        <source></source>
        <translation>Air Dance</translation>
    </message>
    <message id="part:天翔">
        <source></source>
        <translation>Tensho</translation>
    </message>
    <message id="part:ブロウラー">
        <source></source>
        <translation>Brawler</translation>
    </message>
    <message id="part:ストライカー">
        <source></source>
        <translation>Striker</translation>
    </message>
    <message id="part:柔術">
        <source></source>
        <translation>Jujutsu</translation>
    </message>
    <message id="part:マーシャル">
        <source></source>
        <translation>Martial</translation>
    </message>
    <message id="part:ファイター">
        <source></source>
        <translation>Fighter</translation>
    </message>
    <message id="part:覇王">
        <source></source>
        <translation>Haoh</translation>
    </message>
    <message id="part:ガード">
        <source></source>
        <translation>Guard</translation>
    </message>
    <message id="part:シェル">
        <source></source>
        <translation>Shell</translation>
    </message>
    <message id="part:パリィ">
        <source></source>
        <translation>Parry</translation>
    </message>
    <message id="part:不動心">
        <source></source>
        <translation>Fudoshin</translation>
    </message>
    <message id="part:鉄壁">
        <source></source>
        <translation>Iron Wall</translation>
    </message>
    <message id="part:旧式ガード">
        <source></source>
        <translation>Old Guard</translation>
    </message>
    <message id="doll:ブリキ丸">
        <source></source>
        <translation>Tin Maru</translation>
    </message>
    <message id="doll:ゼンマイ小僧">
        <source></source>
        <translation>Clockwork Kid</translation>
    </message>
    <message id="doll:カラクリ太郎">
        <source></source>
        <translation>Karakuri Taro</translation>
    </message>
    <message id="doll:ポンコツ号">
        <source></source>
        <translation>Old Banger</translation>
    </message>
    <message id="doll:アイアンキッド">
        <source></source>
        <translation>Iron Kid</translation>
    </message>
    <message id="doll:スクラップ">
        <source></source>
        <translation>Scrap</translation>
    </message>
    <message id="doll:ガラクタ王">
        <source></source>
        <translation>Junk King</translation>
    </message>
    <message id="doll:ブリキの騎士">
        <source></source>
        <translation>Tin Knight</translation>
    </message>
    <message id="doll:ネジマキ">
        <source></source>
        <translation>Windup</translation>
    </message>
    <message id="doll:鋼鉄丸">
        <source></source>
        <translation>Steel Maru</translation>
    </message>
    <message id="doll:シルバーフォックス">
        <source></source>
        <translation>Silver Fox</translation>
    </message>
    <message id="doll:レッドホーク">
        <source></source>
        <translation>Red Hawk</translation>
    </message>
    <message id="doll:ブルーシャーク">
        <source></source>
        <translation>Blue Shark</translation>
    </message>
    <message id="doll:鉄拳">
        <source></source>
        <translation>Iron Fist</translation>
    </message>
    <message id="doll:疾風">
        <source></source>
        <translation>Gale</translation>
    </message>
    <message id="doll:雷電">
        <source></source>
        <translation>Thunderbolt</translation>
    </message>
    <message id="doll:ヴァルカン">
        <source></source>
        <translation>Vulcan</translation>
    </message>
    <message id="doll:ゴーレム">
        <source></source>
        <translation>Golem</translation>
    </message>
    <message id="doll:黒騎士">
        <source></source>
        <translation>Black Knight</translation>
    </message>
    <message id="doll:白銀">
        <source></source>
        <translation>Silver</translation>
    </message>
    <message id="doll:紅蓮">
        <source></source>
        <translation>Crimson</translation>
    </message>
    <message id="doll:蒼天">
        <source></source>
        <translation>Azure Sky</translation>
    </message>
    <message id="doll:金剛力士">
        <source></source>
        <translation>Vajra</translation>
    </message>
    <message id="doll:阿修羅王">
        <source></source>
        <translation>Asura King</translation>
    </message>
    <message id="doll:ミネルヴァ">
        <source></source>
        <translation>Minerva</translation>
    </message>
    <message id="doll:アテナ">
        <source></source>
        <translation>Athena</translation>
    </message>
    <message id="doll:天帝">
        <source></source>
        <translation>Sky Emperor</translation>
    </message>
    <message id="doll:覇王">
        <source></source>
        <translation>Overlord</translation>
    </message>
    <message id="モーターHP">
        <source></source>
        <translation>Motor HP</translation>
    </message>
    <message id="フレームHP">
        <source></source>
        <translation>Frame HP</translation>
    </message>
    <message id="%1（%2Rl）&#xa;返品しますか？">
        <source></source>
        <translation>%1 (%2Rl)
Sell it back?</translation>
    </message>
    <message id="リーグ(&amp;G)">
        <source></source>
        <translation>Lea&amp;gue</translation>
    </message>
    <message id="シード(&amp;E):">
        <source></source>
        <translation>S&amp;eed:</translation>
    </message>
    <message id="空なら毎回新しく">
        <source></source>
        <translation>random if blank</translation>
    </message>
    <message id="結果に出たシードを打ち込むと、同じDollと相手で同じ結果になります">
        <source></source>
        <translation>Type the seed shown in a result to get the same result with the same Dolls</translation>
    </message>
    <message id="%1%2試合: 勝ち%3 負け%4 引き分け%5　勝率 %6（95%の範囲 %7 ～ %8）　試合の長さ 平均%9手（標準偏差%10）　シード %11">
        <source></source>
        <translation>%1%2 fights: won %3, lost %4, drawn %5.  Win rate %6 (95% range %7 to %8).  Length: mean %9 steps (s.d. %10).  Seed %11</translation>
    </message>
    <message id="リーグファイル (*.velkoleague)">
        <source></source>
        <translation>League files (*.velkoleague)</translation>
    </message>
    <message id="リーグ">
        <source></source>
        <translation>League</translation>
    </message>
    <message id="参加するDoll(&amp;E):">
        <source></source>
        <translation>&amp;Entrants:</translation>
    </message>
    <message id="フォルダのDollファイルを追加(&amp;F)...">
        <source></source>
        <translation>Add a &amp;folder of Doll files...</translation>
    </message>
    <message id="1組の試合数(&amp;N):">
        <source></source>
        <translation>&amp;Fights per pair:</translation>
    </message>
    <message id="開く(&amp;O)...">
        <source></source>
        <translation>&amp;Open...</translation>
    </message>
    <message id="保存(&amp;V)...">
        <source></source>
        <translation>Sa&amp;ve...</translation>
    </message>
    <message id="選んだDollどうしが総当たりで戦います。レーティングはすべての結果から求め、±は95%の範囲です。お金、日付、ダメージ、戦績、セーブファイルは変わりません。">
        <source></source>
        <translation>The chosen Dolls fight a round robin. Ratings come from every result; ± is the 95% range. Money, date, damage, record and save files do not change.</translation>
    </message>
    <message id="順位">
        <source></source>
        <translation>Rank</translation>
    </message>
    <message id="レーティング">
        <source></source>
        <translation>Rating</translation>
    </message>
    <message id="95%の範囲">
        <source></source>
        <translation>95% range</translation>
    </message>
    <message id="引き分け">
        <source></source>
        <translation>Drawn</translation>
    </message>
    <message id="平均得点">
        <source></source>
        <translation>Mean score</translation>
    </message>
    <message id="勝率の対戦表（行のDollから見て。セルをクリックすると最悪の敗戦を振り返ります）">
        <source></source>
        <translation>Win rates, pair by pair (for the row&apos;s Doll; click a cell to review the worst defeat)</translation>
    </message>
    <message id="Dollファイルのフォルダ">
        <source></source>
        <translation>Folder of Doll files</translation>
    </message>
    <message id="リーグを開く">
        <source></source>
        <translation>Open league</translation>
    </message>
    <message id="リーグの保存">
        <source></source>
        <translation>Save league</translation>
    </message>
    <message id="自分のDoll ">
        <source></source>
        <translation>My Doll </translation>
    </message>
    <message id="自分のDoll（参加できません）">
        <source></source>
        <translation>My Doll (cannot enter)</translation>
    </message>
    <message id="敵 %1 %2（価値%3）">
        <source></source>
        <translation>Opponent %1 %2 (value %3)</translation>
    </message>
    <message id="ファイルが読めません">
        <source></source>
        <translation>The file cannot be read</translation>
    </message>
    <message id="Dollファイル（.velkodoll）がありません">
        <source></source>
        <translation>No Doll files (.velkodoll)</translation>
    </message>
    <message id="2体以上のDollを選んで下さい">
        <source></source>
        <translation>Please choose two Dolls or more</translation>
    </message>
    <message id="%1体の総当たり、%2試合…">
        <source></source>
        <translation>Round robin of %1 Dolls, %2 fights…</translation>
    </message>
    <message id="中止しました。この回の結果はリーグに記録しません。">
        <source></source>
        <translation>Cancelled. The results of this run are not recorded in the league.</translation>
    </message>
    <message id="第%1回を記録しました。レーティングはすべての回の結果から求めています。">
        <source></source>
        <translation>Run %1 recorded. Ratings come from the results of every run.</translation>
    </message>
    <message id="%1 対 %2: %3勝 %4敗 %5分&#xa;レーティングからの期待 %6%（差 %7σ）">
        <source></source>
        <translation>%1 vs %2: %3 won, %4 lost, %5 drawn
Expected from the ratings %6% (off by %7σ)</translation>
    </message>
    <message id="回ごとのレーティング">
        <source></source>
        <translation>Rating run by run</translation>
    </message>
    <message id="回">
        <source></source>
        <translation>Run</translation>
    </message>
    <message id="リーグを開けません&#xa;">
        <source></source>
        <translation>The league cannot be opened
</translation>
    </message>
    <message id="%1体、%2回分のリーグを開きました。">
        <source></source>
        <translation>Opened a league of %1 Dolls and %2 runs.</translation>
    </message>
    <message id="まだ試合をしていません">
        <source></source>
        <translation>No fights yet</translation>
    </message>
    <message id="保存できません&#xa;">
        <source></source>
        <translation>Cannot save
</translation>
    </message>
    <message id="保存しました: ">
        <source></source>
        <translation>Saved: </translation>
    </message>
    <message id="この相手には負けていません">
        <source></source>
        <translation>No defeat against this opponent</translation>
    </message>
    <message id="パワー ">
        <source></source>
        <translation>Power </translation>
    </message>
    <message id="HP &#xa;重量 ">
        <source></source>
        <translation>HP 
Weight </translation>
    </message>
    <message id="移動力 &#xa;ジャンプ力 &#xa;回転力 ">
        <source></source>
        <translation>Move 
Jump 
Spin </translation>
    </message>
    <message id="移動 &#xa;ジャンプ &#xa;回転 ">
        <source></source>
        <translation>Move 
Jump 
Spin </translation>
    </message>
    <message id="重量 ">
        <source></source>
        <translation>Weight </translation>
    </message>
    <message id="アーマー ">
        <source></source>
        <translation>Armour </translation>
    </message>
    <message id="（はずす）">
        <source></source>
        <translation>(remove)</translation>
    </message>
    <message id="%1つめの移動（次は %2）: ">
        <source></source>
        <translation>Move no. %1 (next: %2): </translation>
    </message>
    <message id="なし">
        <source></source>
        <translation>none</translation>
    </message>
    <message id="次に打たないので「離脱」で間合いを取るのがおすすめです（ヒット＆アウェイ）。">
        <source></source>
        <translation>No strike comes next, so &quot;Back off&quot; to open the distance is recommended (hit and away).</translation>
    </message>
    <message id="「接近」で間合いを詰めないと打撃や組みが届きません。">
        <source></source>
        <translation>Without &quot;Close in&quot; to shorten the distance, strikes and grapples will not reach.</translation>
    </message>
    <message id="接近: 離れていれば間合いを詰め、距離0なら勢いをつけて次の打撃や組みのパワーを上げます。&#xa;離脱: 間合いを離します。パワーは上がりませんが、相手の打撃が届かなくなります。">
        <source></source>
        <translation>Close in: shortens the distance when apart; at distance 0 it builds momentum, raising the power of the next strike or grapple.
Back off: opens the distance. No power gain, but the opponent&apos;s strikes no longer reach.</translation>
    </message>
    <message id="初めてのトーナメントです。&#xa;トーナメントの試合で負けると、HPが0になったモーターやフレームは壊れてなくなります。&#xa;試合のあとの修理代は、モーターとフレームそれぞれ100Rlに、減ったHP7ごとに10Rlを加えた額です。&#xa;危なくなったら「ギブアップ」で試合を降りれば、壊れる前に修理できます。">
        <source></source>
        <translation>This is your first tournament.
If you lose a tournament fight, a motor or frame whose HP reached 0 is destroyed and lost.
Repairs after a fight cost 100Rl each for the motor and the frame, plus 10Rl for every 7 HP lost.
If things look bad, leave the fight with &quot;Give up&quot; and you can repair before anything breaks.</translation>
    </message>
    <message id="%1 %2行目: %3">
        <source></source>
        <translation>%1 line %2: %3</translation>
    </message>
    <message id="Dollファイル">
        <source></source>
        <translation>Doll file</translation>
    </message>
    <message id="名前が長すぎます（%1行目）">
        <source></source>
        <translation>The name is too long (line %1)</translation>
    </message>
    <message id="名前に使えない文字があります（%1行目）">
        <source></source>
        <translation>The name has characters that cannot be used (line %1)</translation>
    </message>
    <message id="存在しない基本行動が含まれています（%1行目）">
        <source></source>
        <translation>It contains a basic action that does not exist (line %1)</translation>
    </message>
    <message id="行動パターンが左寄せになっていません（%1行目）">
        <source></source>
        <translation>The action patterns are not packed to the left (line %1)</translation>
    </message>
    <message id="行動パターンの行動力やメモリが、ソフトから計算した値と合いません（%1行目）">
        <source></source>
        <translation>An action pattern&apos;s AP or memory does not match the value worked out from the software (line %1)</translation>
    </message>
    <message id="Dollファイルではありません">
        <source></source>
        <translation>This is not a Doll file</translation>
    </message>
    <message id="この版（%1）のDollファイルには対応していません">
        <source></source>
        <translation>Doll files of this version (%1) are not supported</translation>
    </message>
    <message id="ファイルが壊れています（行の数が%1ではありません）">
        <source></source>
        <translation>The file is damaged (it does not have %1 lines)</translation>
    </message>
    <message id="チェックサムが合いません。ファイルが壊れているか、書き換えられています">
        <source></source>
        <translation>The checksum does not match. The file is damaged or has been edited</translation>
    </message>
    <message id="操作能力の値が正しくありません">
        <source></source>
        <translation>The piloting value is not valid</translation>
    </message>
    <message id="カタログにないパーツが含まれています">
        <source></source>
        <translation>It contains a part that is not in the catalogue</translation>
    </message>
    <message id="カタログを読めません：%1">
        <source></source>
        <translation>The catalogue cannot be read: %1</translation>
    </message>
    <message id="カタログにないか、組み付けられないパーツが含まれています">
        <source></source>
        <translation>It contains a part that is not in the catalogue or cannot be fitted</translation>
    </message>
    <message id="ヒットポイントがパーツの値を超えています">
        <source></source>
        <translation>The hit points exceed the parts&apos; values</translation>
    </message>
    <message id="能力値がパーツから計算した値と合いません">
        <source></source>
        <translation>The abilities do not match the values worked out from the parts</translation>
    </message>
    <message id="ファイルが大きすぎます（%1バイトまで）">
        <source></source>
        <translation>The file is too large (at most %1 bytes)</translation>
    </message>
    <message id="読み込めません：%1">
        <source></source>
        <translation>Cannot be loaded: %1</translation>
    </message>
    <message id="保存先のフォルダが決まりません (HOME も XDG_DATA_HOME も設定されていません)。&#xa;--game-folder でゲームフォルダを指定して下さい。">
        <source></source>
        <translation>No folder to save in can be chosen (neither HOME nor XDG_DATA_HOME is set).
Name a game folder with --game-folder.</translation>
    </message>
    <message id="部品カタログが読めません。ゲームを終了します。&#xa;探したフォルダ: %1&#xa;見つからないファイル: %2&#xa;--game-folder か VELKO_HOME でゲームフォルダを指定して下さい。">
        <source></source>
        <translation>The parts catalogue cannot be read. The game will close.
Folder searched: %1
Files not found: %2
Name a game folder with --game-folder or VELKO_HOME.</translation>
    </message>
    <message id="UTF-8の文字でないバイトがあります">
        <source></source>
        <translation>There are bytes that are not UTF-8 characters</translation>
    </message>
    <message id="最後の行が改行で終わっていません">
        <source></source>
        <translation>The last line does not end with a line break</translation>
    </message>
    <message id="%1が壊れています（%2行目: %3）">
        <source></source>
        <translation>%1 is damaged (line %2: %3)</translation>
    </message>
    <message id="ファイルが途中で終わっています">
        <source></source>
        <translation>The file ends too early</translation>
    </message>
    <message id="行の途中に改行文字があります">
        <source></source>
        <translation>There is a line-break character inside a line</translation>
    </message>
    <message id="制御文字があります">
        <source></source>
        <translation>There are control characters</translation>
    </message>
    <message id="「%1」の行がありません">
        <source></source>
        <translation>The &quot;%1&quot; line is missing</translation>
    </message>
    <message id="値が足りません">
        <source></source>
        <translation>Values are missing</translation>
    </message>
    <message id="「%1」は範囲内の整数ではありません">
        <source></source>
        <translation>&quot;%1&quot; is not a whole number in range</translation>
    </message>
    <message id="「%1」は数ではありません">
        <source></source>
        <translation>&quot;%1&quot; is not a number</translation>
    </message>
    <message id="名前がありません">
        <source></source>
        <translation>The name is missing</translation>
    </message>
    <message id="余分な値があります">
        <source></source>
        <translation>There are extra values</translation>
    </message>
    <message id="動作のIDと名前が合いません">
        <source></source>
        <translation>An action&apos;s ID and name do not match</translation>
    </message>
    <message id="パターンの番号が順に並んでいません">
        <source></source>
        <translation>The pattern numbers are not in order</translation>
    </message>
    <message id="Dollの番号が違います">
        <source></source>
        <translation>The Doll number is wrong</translation>
    </message>
    <message id="乱数が0以上1未満ではありません">
        <source></source>
        <translation>A random number is not at least 0 and below 1</translation>
    </message>
    <message id="選択「%1」が読めません">
        <source></source>
        <translation>The choice &quot;%1&quot; cannot be read</translation>
    </message>
    <message id="リプレイファイル">
        <source></source>
        <translation>The replay file</translation>
    </message>
    <message id="リプレイファイルではありません">
        <source></source>
        <translation>This is not a replay file</translation>
    </message>
    <message id="このリプレイファイルの版（%1）には対応していません">
        <source></source>
        <translation>This replay file&apos;s version (%1) is not supported</translation>
    </message>
    <message id="手番が0, 3, 4のどれでもありません">
        <source></source>
        <translation>The turn step is not 0, 3 or 4</translation>
    </message>
    <message id="「end」の後に余分な行があります">
        <source></source>
        <translation>There are extra lines after &quot;end&quot;</translation>
    </message>
    <message id="%1: ファイルが読めません">
        <source></source>
        <translation>%1: the file cannot be read</translation>
    </message>
    <message id="レコードの途中でファイルが終わっています">
        <source></source>
        <translation>The file ends in the middle of a record</translation>
    </message>
    <message id="名前の行が「.」で始まっています">
        <source></source>
        <translation>A name line starts with &quot;.&quot;</translation>
    </message>
    <message id="プログラムの見出し（「.」で始まる行）がありません">
        <source></source>
        <translation>A program heading (a line starting with &quot;.&quot;) is missing</translation>
    </message>
    <message id="セーブ番号は0～32767の数字で打ち込んでください">
        <source></source>
        <translation>Type the save number as a number from 0 to 32767</translation>
    </message>
    <message id="このゲームの書き込み記録ではありません">
        <source></source>
        <translation>is not a write record of this game</translation>
    </message>
    <message id="新しい版のVELKOが書いた記録で、この版では読めません">
        <source></source>
        <translation>is a record written by a newer VELKO that this version cannot read</translation>
    </message>
    <message id="壊れています">
        <source></source>
        <translation>is damaged</translation>
    </message>
    <message id="save/%1 は%2。&#xa;save/%3 に名前を変えて残しました。ほかのファイルはそのままです。">
        <source></source>
        <translation>save/%1 %2.
It was kept, renamed to save/%3. The other files are unchanged.</translation>
    </message>
    <message id="日付ではありません">
        <source></source>
        <translation>This is not a date</translation>
    </message>
    <message id="ファイルを読めません">
        <source></source>
        <translation>The file cannot be read</translation>
    </message>
    <message id="Shift_JIS (CP932) ではないバイトがあります（%1バイト目）">
        <source></source>
        <translation>There is a byte that is not Shift_JIS (CP932) (byte %1)</translation>
    </message>
    <message id="データの行が「.」で始まっています">
        <source></source>
        <translation>A data line starts with &quot;.&quot;</translation>
    </message>
    <message id="数値ではありません（%1）">
        <source></source>
        <translation>Not a number (%1)</translation>
    </message>
    <message id="16ビットの範囲（-32768～32767）を超える数値です（%1）">
        <source></source>
        <translation>A number outside the 16-bit range (-32768 to 32767) (%1)</translation>
    </message>
    <message id="Dollにモーターとフレームがありません">
        <source></source>
        <translation>The Doll has no motor and frame</translation>
    </message>
    <message id="行動ポイント（%1）: 2D6 =%2 ＋ 行動力%3 →%4">
        <source></source>
        <translation>Action points (%1): 2D6 = %2 + action %3 → %4</translation>
    </message>
    <message id="%1が先手">
        <source></source>
        <translation>%1 moves first</translation>
    </message>
    <message id="互角">
        <source></source>
        <translation>even</translation>
    </message>
    <message id="イニシアチヴ: %1 対%2 → %3">
        <source></source>
        <translation>Initiative: %1 against %2 → %3</translation>
    </message>
    <message id="技の判定（1D6の目で）:">
        <source></source>
        <translation>Action rolls (1D6 faces):</translation>
    </message>
    <message id="%1の組み: %2">
        <source></source>
        <translation>%1 grappling: %2</translation>
    </message>
    <message id="%1の転倒: %2">
        <source></source>
        <translation>%1 down: %2</translation>
    </message>
    <message id="%1の防御:%2">
        <source></source>
        <translation>%1 guard: %2</translation>
    </message>
    <message id="%1の受身: %2">
        <source></source>
        <translation>%1 safe fall: %2</translation>
    </message>
    <message id="距離%1 →%2">
        <source></source>
        <translation>Distance %1 → %2</translation>
    </message>
    <message id="（パス）">
        <source></source>
        <translation>(pass)</translation>
    </message>
    <message id="パターン%1 %2">
        <source></source>
        <translation>Pattern %1 %2</translation>
    </message>
    <message id="練習の相手がいません">
        <source></source>
        <translation>There is no practice opponent</translation>
    </message>
    <message id="%1クラスの敵Dollがいません">
        <source></source>
        <translation>There is no %1 class opponent Doll</translation>
    </message>
    <message id="相手は敵Dollの番号か Novice, Expert, Master です: %1">
        <source></source>
        <translation>The opponent is an opponent Doll&apos;s number or Novice, Expert, Master: %1</translation>
    </message>
    <message id="番号%1の敵Dollは登録されていません">
        <source></source>
        <translation>No opponent Doll is registered under number %1</translation>
    </message>
    <message id="およそ%1%">
        <source></source>
        <translation>about %1%</translation>
    </message>
    <message id="勝率は%1（相手%2体の平均）&#xa;いちばん手強いのは%3（%4）">
        <source></source>
        <translation>Win chance %1 (average of %2 opponents)
Toughest: %3 (%4)</translation>
    </message>
    <message id="参加Doll %1: ">
        <source></source>
        <translation>Entrant Doll %1: </translation>
    </message>
    <message id="参加Dollが2体未満です">
        <source></source>
        <translation>There are fewer than 2 entrant Dolls</translation>
    </message>
    <message id="リーグファイルではありません">
        <source></source>
        <translation>This is not a league file</translation>
    </message>
    <message id="この版のリーグファイルは読めません">
        <source></source>
        <translation>League files of this version cannot be read</translation>
    </message>
    <message id="参加Dollの番号が順番どおりではありません">
        <source></source>
        <translation>The entrant Doll numbers are not in order</translation>
    </message>
    <message id="参加Dollの行は「| 」で始まります">
        <source></source>
        <translation>An entrant Doll line starts with &quot;| &quot;</translation>
    </message>
    <message id="参加Dollの番号は小さい順に並びます">
        <source></source>
        <translation>The entrant Doll numbers go from smallest to largest</translation>
    </message>
    <message id="組の並びが違います">
        <source></source>
        <translation>The pairs are in the wrong order</translation>
    </message>
    <message id="勝ち、負け、引き分けの和が試合数と違います">
        <source></source>
        <translation>Wins, losses and draws do not add up to the number of fights</translation>
    </message>
    <message id="最悪の敗戦が勝敗と合いません">
        <source></source>
        <translation>The worst loss does not match the results</translation>
    </message>
    <message id="チェックサムが合いません">
        <source></source>
        <translation>The checksum does not match</translation>
    </message>
    <message id="ファイルの終わりの後に行があります">
        <source></source>
        <translation>There are lines after the end of the file</translation>
    </message>
    <message id="%1が大きすぎます（%2MiBまで）">
        <source></source>
        <translation>%1 is too large (at most %2 MiB)</translation>
    </message>
    <message id="%1 はリーグファイルではないので上書きしません">
        <source></source>
        <translation>%1 is not a league file, so it is not overwritten</translation>
    </message>
    <message id="このリーグはリーグファイルに収まりません&#xa;%1">
        <source></source>
        <translation>This league does not fit in a league file
%1</translation>
    </message>
    <message id="%1 に書き込めませんでした">
        <source></source>
        <translation>Could not write to %1</translation>
    </message>
    <message id="敵Dollの記録ではありません">
        <source></source>
        <translation>This is not an opponent Doll record</translation>
    </message>
    <message id="敵Dollの記録がありません">
        <source></source>
        <translation>The opponent Doll record is missing</translation>
    </message>
    <message id="余分な行があります">
        <source></source>
        <translation>There are extra lines</translation>
    </message>
    <message id="敵Dollの記録が読めません: %1">
        <source></source>
        <translation>The opponent Doll record cannot be read: %1</translation>
    </message>
    <message id="リーグには2体以上のDollが必要です">
        <source></source>
        <translation>A league needs 2 or more Dolls</translation>
    </message>
    <message id="これ以上複雑な動きにはできません">
        <source></source>
        <translation>The move cannot be made any more complex</translation>
    </message>
    <message id="4枚以上貼れません">
        <source></source>
        <translation>No more than 3 protectors can be fitted</translation>
    </message>
    <message id="名前は%1文字までです">
        <source></source>
        <translation>Names are at most %1 characters</translation>
    </message>
    <message id="　「移動」は試合中に、そのつど「接近」か「離脱」を選びます。">
        <source></source>
        <translation>During a fight, each &quot;Move&quot; asks you to choose &quot;Close in&quot; or &quot;Back off&quot;.</translation>
    </message>
    <message id="接近: 離れていれば間合いを詰め、距離0なら勢いをつけて次の打撃や組みのパワーを上げます。">
        <source></source>
        <translation>Close in: shortens the distance when apart; at distance 0 it builds momentum, raising the power of the next strike or grapple.</translation>
    </message>
    <message id="離脱: 間合いを離して、相手の打撃を届かなくします。">
        <source></source>
        <translation>Back off: opens the distance so the opponent&apos;s strikes no longer reach.</translation>
    </message>
    <message id="「移動＋パンチ＋移動」なら、1つめは「接近」、2つめは「離脱」でヒット＆アウェイになります。▼">
        <source></source>
        <translation>With &quot;Move + Punch + Move&quot;, the first is &quot;Close in&quot; and the second &quot;Back off&quot;: hit and away. ▼</translation>
    </message>
    <message id="変更を登録せずに閉じますか？">
        <source></source>
        <translation>Close without saving the changes?</translation>
    </message>
    <message id="見通しを計算中…">
        <source></source>
        <translation>Working out the chances…</translation>
    </message>
    <message id="いちばん手強いのは%1（およそ100%）">
        <source></source>
        <translation>Toughest: %1 (about 100%)</translation>
    </message>
    <message id="練習ラボと同じ戦いで、各相手と%1試合した結果です">
        <source></source>
        <translation>From %1 fights against each opponent, fought as in the practice lab</translation>
    </message>
    <message id="練習ラボで確かめる(&amp;L)">
        <source></source>
        <translation>Try in the &amp;lab</translation>
    </message>
    <message id="見通しを出せません: %1">
        <source></source>
        <translation>No chances can be given: %1</translation>
    </message>
    <message id="見通しを出せる相手がいません">
        <source></source>
        <translation>There are no opponents to give chances for</translation>
    </message>
    <message id="Dollにモーターとフレームを付けると見通しが出ます">
        <source></source>
        <translation>Fit the Doll with a motor and a frame to see the chances</translation>
    </message>
    <message id="見通しを出せませんでした">
        <source></source>
        <translation>The chances could not be worked out</translation>
    </message>
    <message id="Dollファイル (*.velkodoll);;すべてのファイル (*)">
        <source></source>
        <translation>Doll files (*.velkodoll);;All files (*)</translation>
    </message>
    <message id="約%1%">
        <source></source>
        <translation>~%1%</translation>
    </message>
    <message id="この相手に勝つ見込み（練習ラボの戦いで）">
        <source></source>
        <translation>Chance of beating this opponent (in practice lab fights)</translation>
    </message>
    <message id="%1の%2 −%3">
        <source></source>
        <translation>%1 %2 −%3</translation>
    </message>
    <message id="%1の%2 ＋%3">
        <source></source>
        <translation>%1 %2 +%3</translation>
    </message>
    <message id="過去の成績&#xa;%1勝%2敗&#xa;優勝%3回&#xa;">
        <source></source>
        <translation>Record so far
%1 wins %2 losses
Champion %3 times
</translation>
    </message>
    <message id="ID%1 を入れる棚がありません（IDは 0～%2）">
        <source></source>
        <translation>No place for ID%1 (IDs are 0 to %2)</translation>
    </message>
    <message id="%1：%2">
        <source></source>
        <translation>%1: %2</translation>
    </message>
    <message id="%1～%2">
        <source></source>
        <translation>%1 –%2</translation>
    </message>
    <message id="＋">
        <source></source>
        <translation>+</translation>
    </message>
    <message id="%1（%2）">
        <source></source>
        <translation>%1 (%2)</translation>
    </message>
    <message id="pattern:ダッシュ連撃">
        <source></source>
        <translation>Dash Combo</translation>
    </message>
    <message id="pattern:ダッシュパンチ">
        <source></source>
        <translation>Dash Punch</translation>
    </message>
    <message id="pattern:連続攻撃">
        <source></source>
        <translation>Flurry</translation>
    </message>
    <message id="pattern:ジャブ">
        <source></source>
        <translation>Jab</translation>
    </message>
    <message id="pattern:起き上がり蹴り">
        <source></source>
        <translation>Rising Kick</translation>
    </message>
    <message id="pattern:振りほどき">
        <source></source>
        <translation>Shake Free</translation>
    </message>
    <message id="pattern:組み投げ">
        <source></source>
        <translation>Grab and Throw</translation>
    </message>
    <message id="「接近」で間合いを保つのがおすすめです（このDollは勢いをつけても0パワーです）。">
        <source></source>
        <translation>&quot;Close in&quot; to stay in reach is recommended (this Doll builds no momentum: 0 power).</translation>
    </message>
    <message id="「接近」で勢いをつけるのがおすすめです（次の打撃や組みが%1パワー上がります）。">
        <source></source>
        <translation>&quot;Close in&quot; to build momentum is recommended (the next strike or grapple gains %1 power).</translation>
    </message>
    <message id="%1 Win">
        <source></source>
        <translation>%1 wins</translation>
    </message>
    <message id="シードは19桁までの数字で打ち込んでください">
        <source></source>
        <translation>Type the seed as a number of up to 19 digits</translation>
    </message>
    <message id="組み合っているので、どちらを選んでも間合いも勢いも変わりません。">
        <source></source>
        <translation>Held together: either way, neither the distance nor the momentum changes.</translation>
    </message>
    <message id="転倒していて移動できません（勢いもつきません）。">
        <source></source>
        <translation>Down: the Doll cannot move (and gains no momentum).</translation>
    </message>
    <message id="トーナメントの試合で負けると、HPが0になったモーターやフレームは壊れてなくなります。&#xa;モーターかフレームのHPが最大の%1%を下回ったら、自動でギブアップしますか？&#xa;ギブアップは負けに数えず、修理もされます。システムメニューの「自動ギブアップ」でいつでも変えられます。">
        <source></source>
        <translation>If you lose a tournament bout, a motor or frame whose HP reached 0 is destroyed.
Give up automatically when the motor&apos;s or frame&apos;s HP falls below %1% of its maximum?
A give-up is not counted as a loss, and the Doll is repaired. You can change this at any time under System → Auto give-up.</translation>
    </message>
    <message id="自動ギブアップ：モーターかフレームのHPが最大の%1%を下回りました">
        <source></source>
        <translation>Auto give-up: the motor&apos;s or frame&apos;s HP fell below %1% of its maximum</translation>
    </message>
    <message id="勝率は、あなたのDollの技もコンピュータがプログラムから選んで戦った結果です。">
        <source></source>
        <translation>These chances come from fights in which the computer picks your Doll&apos;s patterns from its program.</translation>
    </message>
    <message id="行動ポイント%1、距離%2　→　%3">
        <source></source>
        <translation>Action points %1, distance %2 → %3</translation>
    </message>
    <message id="行動ポイント%1、距離%2　→　%3（合う技がないので待つ）">
        <source></source>
        <translation>Action points %1, distance %2 → %3 (nothing fits: wait)</translation>
    </message>
    <message id="おすすめ">
        <source></source>
        <translation>Suggested</translation>
    </message>
    <message id="おすすめ：">
        <source></source>
        <translation>Suggested: </translation>
    </message>
    <message id="オフ(&amp;O)">
        <source></source>
        <translation>&amp;Off</translation>
    </message>
    <message id="モーターかフレームのHPが最大の%1%未満のとき">
        <source></source>
        <extracomment>%1 is a share in per cent: 25, 40 or 60</extracomment>
        <translation>When the motor&apos;s or frame&apos;s HP is below %1% of its maximum</translation>
    </message>
    <message id="自動ギブアップ(&amp;U)">
        <source></source>
        <translation>A&amp;uto give-up</translation>
    </message>
    <message id="プレイヤー名を%1に変更しますか？">
        <source></source>
        <translation>Rename the pilot to %1?</translation>
    </message>
    <message id="書き出したリプレイファイルではありません">
        <source></source>
        <translation>This is not an exported replay file</translation>
    </message>
    <message id="この版のリプレイファイルは読めません">
        <source></source>
        <translation>This version of the replay file cannot be read</translation>
    </message>
    <message id="%1 は書き出したリプレイファイルではないので上書きしません">
        <source></source>
        <translation>%1 is not an exported replay file, so it is not written over</translation>
    </message>
    <message id="リプレイファイル (*.velkoreplay);;すべてのファイル (*)">
        <source></source>
        <translation>Replay files (*.velkoreplay);;All files (*)</translation>
    </message>
    <message id="書き出し(&amp;E)...">
        <source></source>
        <translation>&amp;Export...</translation>
    </message>
    <message id="ファイルから開く(&amp;F)...">
        <source></source>
        <translation>Open from &amp;file...</translation>
    </message>
    <message id="試合の書き出し">
        <source></source>
        <translation>Export the fight</translation>
    </message>
    <message id="リプレイファイルを開く">
        <source></source>
        <translation>Open a replay file</translation>
    </message>
    <message id="プレイヤー名の変更">
        <source></source>
        <translation>Rename the pilot</translation>
    </message>
    <message id="新しいプレイヤー名">
        <source></source>
        <translation>New pilot name</translation>
    </message>
    <message id="プレイヤー名の変更(&amp;N)...">
        <source></source>
        <translation>Re&amp;name the pilot...</translation>
    </message>
    <message id="使用中のセーブ番号">
        <source></source>
        <translation>Slots in use</translation>
    </message>
    <message id="殿堂ファイルではありません">
        <source></source>
        <translation>This is not a hall of fame file</translation>
    </message>
    <message id="この版の殿堂ファイルは読めません">
        <source></source>
        <translation>This version of the hall of fame file cannot be read</translation>
    </message>
    <message id="記録が多すぎます">
        <source></source>
        <translation>Too many careers</translation>
    </message>
    <message id="日付が正しくありません">
        <source></source>
        <translation>The date is not valid</translation>
    </message>
    <message id="記録が順位の順に並んでいません">
        <source></source>
        <translation>The careers are not in the order of their ranks</translation>
    </message>
    <message id="%1が大きすぎます（%2KiBまで）">
        <source></source>
        <translation>%1 is too large (at most %2 KiB)</translation>
    </message>
    <message id="%1を読めません">
        <source></source>
        <translation>%1 cannot be read</translation>
    </message>
    <message id="%1に書き込めません">
        <source></source>
        <translation>%1 cannot be written</translation>
    </message>
    <message id="月の記録がありません">
        <source></source>
        <translation>No month is recorded</translation>
    </message>
    <message id="戦績ファイルではありません">
        <source></source>
        <translation>This is not a history file</translation>
    </message>
    <message id="この版の戦績ファイルは読めません">
        <source></source>
        <translation>This version of the history file cannot be read</translation>
    </message>
    <message id="月が古い順に並んでいません">
        <source></source>
        <translation>The months are not in order</translation>
    </message>
    <message id="勝ち、負け、ギブアップの和が試合数を超えています">
        <source></source>
        <translation>Wins, losses and give-ups add up to more than the fights</translation>
    </message>
    <message id="試合の行が試合数より少なくなっています">
        <source></source>
        <translation>There are fewer fight lines than fights</translation>
    </message>
    <message id="リプレイファイルの名前が正しくありません">
        <source></source>
        <translation>The replay file name is not valid</translation>
    </message>
    <message id="戦績はこの月から記録し直します">
        <source></source>
        <translation>The history starts again from this month.</translation>
    </message>
    <message id="%1の最後の月がセーブデータの日付と合いません">
        <source></source>
        <translation>The last month of %1 does not match the date of the save</translation>
    </message>
    <message id="この経歴の試合">
        <source></source>
        <translation>This career&apos;s fights</translation>
    </message>
    <message id="すべての試合">
        <source></source>
        <translation>All fights</translation>
    </message>
    <message id="%1試合　勝利%2　敗北%3　中断%4">
        <source></source>
        <translation>%1 fights   Won %2   Lost %3   Given up %4</translation>
    </message>
    <message id="%1  %2（価値%3）に勝利">
        <source></source>
        <translation>%1  beat %2 (value %3)</translation>
    </message>
    <message id="（リプレイなし）">
        <source></source>
        <translation> (no replay)</translation>
    </message>
    <message id="%1（価値%2）&#xa;モーター: %3&#xa;フレーム: %4&#xa;コンピュータ: %5&#xa;ブースター: %6&#xa;プロテクタ: %7">
        <source></source>
        <translation>%1 (value %2)
Motor: %3
Frame: %4
Computer: %5
Boosters: %6
Protectors: %7</translation>
    </message>
    <message id="2年間の戦績">
        <source></source>
        <translation>Two years in review</translation>
    </message>
    <message id="タイトルへ(&amp;T)">
        <source></source>
        <translation>To the &amp;title</translation>
    </message>
    <message id="優勝%1回">
        <source></source>
        <translation>%1 titles</translation>
    </message>
    <message id="ベストバウト（ダブルクリックで振り返る）">
        <source></source>
        <translation>Best fights (double-click to look back)</translation>
    </message>
    <message id="勝った試合はありません">
        <source></source>
        <translation>No fight won</translation>
    </message>
    <message id="最後のDoll">
        <source></source>
        <translation>The final Doll</translation>
    </message>
    <message id="殿堂">
        <source></source>
        <translation>Hall of fame</translation>
    </message>
    <message id="この試合のリプレイは残っていません">
        <source></source>
        <translation>This fight&apos;s replay is no longer kept</translation>
    </message>
    <message id="戦績(&amp;H)">
        <source></source>
        <translation>&amp;History</translation>
    </message>
    <message id="殿堂(&amp;F)">
        <source></source>
        <translation>Hall of &amp;fame</translation>
    </message>
    <message id="パイロット">
        <source></source>
        <translation>Pilot</translation>
    </message>
    <message id="優勝">
        <source></source>
        <translation>Titles</translation>
    </message>
    <message id="日付">
        <source></source>
        <translation>Date</translation>
    </message>
    <message id="まだ2年間を終えたキャリアはありません">
        <source></source>
        <translation>No career has finished its two years yet</translation>
    </message>
    <message id="月">
        <source></source>
        <translation>Month</translation>
    </message>
    <message id="所持金とDollの価値">
        <source></source>
        <translation>Money and Doll value</translation>
    </message>
    <message id="Dollの価値">
        <source></source>
        <translation>Doll value</translation>
    </message>
    <message id="月ごとの勝敗（トーナメント）">
        <source></source>
        <translation>Tournament results per month</translation>
    </message>
    <message id="出場">
        <source></source>
        <translation>Entered</translation>
    </message>
    <message id="試合%1　勝ち%2　負け%3　ギブアップ%4　トーナメント出場%5　優勝%6　失ったパーツ%7">
        <source></source>
        <translation>Fights %1   Wins %2   Losses %3   Give-ups %4   Tournaments %5   Titles %6   Parts lost %7</translation>
    </message>
    <message id="戦績">
        <source></source>
        <translation>History</translation>
    </message>
    <message id="戦績は%1から記録されています">
        <source></source>
        <translation>The history is recorded from %1</translation>
    </message>
    <message id="ギブアップした試合">
        <source></source>
        <translation>Given up</translation>
    </message>
    <message id="トーナメントの数">
        <source></source>
        <translation>Tournaments</translation>
    </message>
    <message id="、">
        <source></source>
        <translation>, </translation>
    </message>
    <message id="%1（%2Rl）">
        <source></source>
        <translation>%1 (%2 Rl)</translation>
    </message>
    <message id="勝率は、あなたのDollをコンピュータと同じ考え方で操縦した練習試合の結果です">
        <source></source>
        <translation>The chances come from practice fights in which your Doll is piloted the way the computer pilots its Dolls</translation>
    </message>
    <message id="自動ギブアップ（%1%）が降参する試合は負けと数えます">
        <source></source>
        <translation>A fight your automatic give-up (%1%) would end counts as lost</translation>
    </message>
    <message id="勝率 --">
        <source></source>
        <translation>Win chance --</translation>
    </message>
    <message id="勝率 %1%（95%の範囲 %2% ～ %3%）">
        <source></source>
        <translation>Win chance %1% (95% range %2% to %3%)</translation>
    </message>
    <message id="案%1　%2">
        <source></source>
        <translation>Option %1  %2</translation>
    </message>
    <message id="価値 %1Rl（%2）　支払い %3Rl　受け取り %4Rl　残金 %5Rl">
        <source></source>
        <translation>Value %1 Rl (%2)  Pay %3 Rl  Receive %4 Rl  Money left %5 Rl</translation>
    </message>
    <message id="買う: %1">
        <source></source>
        <translation>Buy: %1</translation>
    </message>
    <message id="売る: %1">
        <source></source>
        <translation>Sell: %1</translation>
    </message>
    <message id="この構成にしますか？">
        <source></source>
        <translation>Make this Doll?</translation>
    </message>
    <message id="%1: %2（AP %3）">
        <source></source>
        <translation>%1: %2 (AP %3)</translation>
    </message>
    <message id="おすすめプログラム">
        <source></source>
        <translation>Suggested program</translation>
    </message>
    <message id="登録済みのプログラム">
        <source></source>
        <translation>Registered program</translation>
    </message>
    <message id="エディタに適用">
        <source></source>
        <translation>Apply in the editor</translation>
    </message>
    <message id="Dollにソフトがありません">
        <source></source>
        <translation>The Doll has no software</translation>
    </message>
    <message id="このクラスの敵Dollがいません">
        <source></source>
        <translation>There are no enemy Dolls in this class</translation>
    </message>
    <message id="中止しました">
        <source></source>
        <translation>Cancelled</translation>
    </message>
    <message id="登録済みのプログラム　%1">
        <source></source>
        <translation>Registered program  %1</translation>
    </message>
    <message id="おすすめ　%1">
        <source></source>
        <translation>Suggested  %1</translation>
    </message>
    <message id="おすすめ構成">
        <source></source>
        <translation>Suggested Dolls</translation>
    </message>
    <message id="この構成を買う">
        <source></source>
        <translation>Buy this Doll</translation>
    </message>
    <message id="このクラスで組める完全なDollがありません">
        <source></source>
        <translation>No complete Doll for this class fits your money and parts</translation>
    </message>
    <message id="%1体の候補と戦わせて、上位%2体を選びました">
        <source></source>
        <translation>Fought %1 candidate Dolls and chose the best %2</translation>
    </message>
</context>
</TS>
