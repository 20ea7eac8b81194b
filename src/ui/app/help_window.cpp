#include "ui/app/help_window.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "model/name_limit.h"
#include "ui/app/language.h"
#include "ui/widgets/screen_fit.h"

namespace velko::ui {

QString helpHtml() {
  if (currentLanguage() == Language::English) return helpHtmlEnglish();
  return QString(R"(
<h2>遊び方</h2>
<p>あなたはDollのパイロットです。工房でパーツを組み立て、技をプログラムし、試合に出て腕を磨きます。</p>

<h3>暦と終わり</h3>
<ul>
<li>ゲームは2013年1月1日に始まり、24か月後の2015年1月1日に終わります。</li>
<li>トーナメントに参加するか「時間を進める」（日々の仕事）を選ぶと、1か月が過ぎます。シミュレーション、対戦、買い物、プログラム、セーブでは日付は進みません。</li>
<li>最後の月が終わると最終成績（勝敗と優勝回数）が表示され、タイトル画面に戻ります。自動ではセーブされないので、区切りごとにセーブして下さい。</li>
</ul>

<h3>行動ポイントとイニシアチヴ</h3>
<ul>
<li>試合は「次へ」を押すたびに一段階ずつ進みます。</li>
<li>ターンの初めにイニシアチヴチェックを行い、サイコロの目が大きい側が先手になります。同じ目のときはもう一度チェックします。</li>
<li>行動する側は行動ポイント（サイコロ2個の合計＋Dollの行動力）を得ます。行動力はコンピュータのCPUと、操作能力を5で割った値の合計です。</li>
<li>必要行動力が行動ポイント以下の技だけを選べます。技の選択画面では、背景の白い技が選べる技です。余ったポイントは次に持ち越されません。</li>
</ul>

<h3>距離と組み</h3>
<ul>
<li>パンチ、キック、組みは距離0でなければ届きません。「移動」で接近するか離脱するかを選びます。</li>
<li>移動（接近）、ジャンプ、回転は、そのあとの打撃や投げにパワーを上乗せします。能力を重量で割った値が大きいほど効果も大きくなります。</li>
<li>パターンの中の「移動」ごとに、試合中に「接近」か「離脱」を選びます。「接近」は離れていれば間合いを詰め、距離0なら勢いをつけて次の打撃や組みのパワーを上げます。「離脱」は間合いを離し、相手の打撃を届かなくします（パワーは上がりません）。</li>
<li>「移動＋パンチ＋移動」（ヒット＆アウェイ）では、1つめの移動で「接近」、2つめの移動で「離脱」を選びます。2つめも「接近」にすると、相手の目の前に残ってしまいます。移動の指示画面にも、その移動のおすすめが出ます。</li>
<li>組みが決まると相手をつかんだ状態になり、その後の攻撃は必ず命中します。</li>
<li>投げと折り（関節技）は組んでいるときだけ使えます。投げはモーターとフレームの両方にダメージを与え、相手を転倒させます。折りはアーマーに関係なくフレームにダメージを与えます。</li>
<li>つかまれた側は「外し」で力比べをして振りほどきます。</li>
<li>「防御」は次に自分が行動するまで打撃を防ぐ構えです。「受身」は次に自分が行動するまでに受けるダメージを一度だけ軽くします。</li>
</ul>

<h3>転倒</h3>
<ul>
<li>転倒したDollは移動もジャンプもできず、有効な打撃も出せません。</li>
<li>転倒中に回転すると立ちあがります。立っているときに回転すると転倒します。組み合っているときは、相手も一緒に倒れたり起きたりします。</li>
</ul>

<h3>クラス</h3>
<ul>
<li>Dollの価値（組んだパーツの値段の合計）でクラスが決まります。2500以下はNovice、3500以下はExpert、それより上はMasterです。</li>
<li>トーナメントは同じクラスの8体による勝ち抜き戦で、3回勝てば優勝です。</li>
<li>トーナメントで勝つと経験値と賞金が入ります。相手のDollの価値が高いほど賞金も増えます。</li>
<li>トーナメントに参加すると、持っているパーツはすべて中古になり、売値は半額になります。</li>
<li>参加するかを聞く画面と組み合わせ表には、練習ラボと同じ戦いで各相手と100試合した勝率の見通しが出ます。「練習ラボで確かめる」でそのクラスの全員と戦わせてみられます。「システム」メニューの「勝率の見通し」で出さないようにできます。</li>
</ul>

<h3>修理と壊れたパーツ</h3>
<ul>
<li>トーナメントで受けたダメージは試合のあとで修理されます。修理代はモーターとフレームそれぞれ100Rlに、減ったHP7ごとに10Rlを加えた額です。</li>
<li>お金が足りないときは払える分だけ修理されます。トーナメントのあとは所持金がなくなり、日々の仕事のあとは100Rlが残ります。</li>
<li>HPが0になったモーターやフレームは壊れ、所持品からもDollからもなくなります。店で買い直して下さい。</li>
<li>シミュレーションと対戦ではダメージは残らず、成績も変わりません。</li>
<li>「時間を進める」では臨時収入が入り、Dollが修理されます。このときパーツは壊れません。</li>
</ul>

<h3>試合の振り返りと練習ラボ</h3>
<ul>
<li>試合はすべて記録され、新しいものから100試合分が残ります。「対戦」メニューの「直前の試合を振り返る」「記録した試合」で、一段階ずつ見直せます（←→で1段階、Home・Endで最初と最後）。各段階の両Dollの状態、振ったサイコロ、選ばれた技が表示されます。</li>
<li>「対戦」メニューの「練習ラボ」では、今のDollを登録Doll・クラス全体・ロードした対戦相手と100～10000回戦わせ、勝率や技ごとのダメージを調べられます。お金、日付、ダメージ、成績、セーブファイルは変わりません。</li>
<li>「対戦」メニューの「リーグ」では、自分のDoll・登録Doll・フォルダのDollファイルを総当たりで戦わせ、全結果から求めたレーティング（±は95%の範囲）と勝率の対戦表を見られます。対戦表のセルをクリックすると、その相手への最悪の敗戦を振り返れます。リーグはファイルに保存して、あとで続きを戦えます。</li>
</ul>

<h3>工房の道具</h3>
<ul>
<li>店でパーツを選ぶ（マウスを乗せる）と、そのパーツを付けたときDollの能力がどう変わるかが表示されます。クラスが上がるときはそう知らせます。</li>
<li>プログラム画面では、変更を「元に戻す」（Ctrl+Z）・「やり直す」（Ctrl+Y）で取り消せます。パターンの行を右クリックすると別の行にコピーできます。キーボードでは、技のチップを選んで矢印キーで場所を決め、Enterで置き、Deleteで消します。</li>
<li>「ファイル」メニューの「Dollの書き出し」でDollをファイルにして友達に渡せます。受け取ったファイルは「Dollの読み込み（対戦相手）」で対戦相手にできます。</li>
</ul>

<h3>名前</h3>
<ul>
<li>プレイヤーとDollの名前は%1文字までです。</li>
</ul>

<h3>キー操作</h3>
<ul>
<li>F1：この画面　Ctrl+S：セーブ　Ctrl+O：ロード　Ctrl+Q：終了　Alt＋下線の文字：メニュー</li>
<li>試合中：Enter または Space で「次へ」、Esc でギブアップ</li>
<li>セーブ・ロード画面：数字キーで番号、Backspace で1文字消す、Enter で決定、Esc で戻る</li>
<li>Esc で店、プログラム、この画面などを閉じます。</li>
</ul>
)")
      .arg(kNameMaxChars);
}

HelpWindow::HelpWindow(QWidget* owner) : QDialog(owner) {
  setObjectName("HelpWindow");
  setWindowTitle(qtTrId("遊び方"));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  resize(640, 600);
  auto* layout = new QVBoxLayout(this);
  text_ = new QTextBrowser(this);
  text_->setObjectName("helpText");
  text_->setHtml(helpHtml());
  layout->addWidget(text_);
  auto* row = new QHBoxLayout;
  row->addStretch();
  auto* close = new QPushButton(qtTrId("閉じる(&C)"), this);
  close->setObjectName("cmdClose");
  connect(close, &QPushButton::clicked, this, &QDialog::close);
  row->addWidget(close);
  layout->addLayout(row);
  fitToScreen(this);
}

HelpWindow* HelpWindow::showFor(QWidget* owner) {
  auto* window = owner ? owner->findChild<HelpWindow*>() : nullptr;
  if (!window) window = new HelpWindow(owner);
  window->show();
  window->raise();
  window->activateWindow();
  return window;
}

}  // namespace velko::ui
