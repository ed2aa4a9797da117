#!/usr/bin/env bash
# Plants one-line faults, one at a time, in a scratch copy of the tree and
# runs the fast tests (unit, gl, runner) against each, then says how many
# they catch with the pinned digests and without them: a fault that no test
# catches is a hole in the suite. Slow (a rebuild per fault); run by hand.
# Usage: tests/planted_faults.sh [SCRATCH_DIR]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
scratch="${1:-$(mktemp -d)}"

# file|text|replacement; the text must stand exactly once in the file.
faults() {
  cat <<'EOF'
src/sim/Arena.cpp|static_cast<float>(i) * 0.0017453294f|static_cast<float>(i) * 0.0017453292f
src/sim/Arena.cpp|if (index < 0) index += TrigEntries;|if (index < 0) index = -index;
src/sim/Snake.cpp|mass / 150.0f + 16.0f|mass / 160.0f + 16.0f
src/sim/Snake.cpp|* 8.0f) + 15.0f|* 8.0f) + 16.0f
src/sim/Snake.cpp|channels[(full + 1 + skip) % 3]|channels[(full + skip) % 3]
src/sim/Snake.cpp|dy * dy > 1.44e6f|dy * dy > 1.0e6f
src/sim/SnakeMovement.cpp|0.22f - growth, 0.045f|0.22f - growth, 0.05f
src/sim/SnakeMovement.cpp|input.leftButton && mass > 120.0f|input.leftButton && mass >= 120.0f
src/sim/SnakeMovement.cpp|- points[k].y) * 0.92f|- points[k].y) * 0.9f
src/sim/SnakeMovement.cpp|* 0.04f + 7.8f|* 0.05f + 7.8f
src/sim/SnakeMovement.cpp|snake.pointCount = wanted;|--snake.pointCount;
src/sim/Pellets.cpp|std::rand() % 25 == 0|std::rand() % 20 == 0
src/sim/Pellets.cpp|radius * radius * 1.8f|radius * radius * 2.0f
src/sim/Pellets.cpp|static_cast<std::ptrdiff_t>(k));|static_cast<std::ptrdiff_t>(k++));
src/sim/Collisions.cpp|0.85f * otherRadius + radius|0.9f * otherRadius + radius
src/sim/Collisions.cpp|return segment.owner != &snake && touchesSegment|return touchesSegment
src/sim/Collisions.cpp|i < count; i += 2|i < count; i += 3
src/sim/Collisions.cpp|static_cast<float>(inverted.r) * (1.0f - t)|static_cast<float>(own.r) * (1.0f - t)
src/sim/Collisions.cpp|snake.isPlayer ? 2.5f : 3.0f|snake.isPlayer ? 3.0f : 2.5f
src/sim/Particle.cpp|particle.life -= 0.02f|particle.life -= 0.025f
src/sim/World.cpp|rankingTimer >= 1.0f|rankingTimer >= 0.99f
src/sim/World.cpp|return a->mass > b->mass|return a->mass < b->mass
src/sim/World.cpp|1.0f), 0.55f)|1.0f), 0.5f)
src/sim/World.cpp|std::rand() % 8 == 0|std::rand() % 6 == 0
src/sim/World.cpp|3.75f, snake.color|3.75f, sf::Color::White
src/sim/World.cpp|player().alive ? player().points[0] : sf::Vector2f(0.0f, 0.0f)|sf::Vector2f(0.0f, 0.0f)
src/sim/SegmentGrid.cpp|if (count < 2) return;|if (count < 3) return;
src/bots/BotSteering.cpp|/ 1000.0f + 0.3f|/ 1000.0f + 0.35f
src/bots/BotSteering.cpp|> 1.33225e7f|> 1.44e7f
src/bots/BotSteering.cpp|std::fabs(relative) < 1.2f|std::fabs(relative) < 1.0f
src/bots/BotSteering.cpp|bot.boosting = bot.mass > 150.0f|bot.boosting = bot.mass > 120.0f
src/bots/BotSteering.cpp|if (distanceSquared < best) {|if (distanceSquared <= best) {
src/bots/BotSteering.cpp|forEachCellAround(cell, 3,|forEachCellAround(cell, 4,
src/sim/BotNames.cpp|if (!snake.isPlayer && !snake.name.empty())|if (!snake.name.empty())
src/sim/BotNameTable.cpp|L"感概多端",|L"感慨多端",
src/shell/FixedStep.cpp|accumulator + std::min(frameSeconds, MaxFrameSeconds)|accumulator + frameSeconds
src/shell/FixedStep.cpp|while (accumulator >= StepSeconds)|while (accumulator > StepSeconds)
src/shell/Controls.cpp|character >= 32 && character != 127 &&|character >= 32 &&
src/shell/Controls.cpp|if (name.empty()) return;|if (name.size() > 99) return;
src/shell/Controls.cpp|StickDeadZone = 15.0f|StickDeadZone = 10.0f
src/shell/Controls.cpp|joystickButton.button > 1|joystickButton.button > 2
src/shell/Controls.cpp|controls.state == GameState::Boot;|controls.state != GameState::Boot;
src/shell/FrameLoop.cpp|    accumulator = 0.0f;|    accumulator += 0.0f;
src/shell/FrameLoop.cpp|input.useStick = controls.gamepadActive|input.useStick = false
src/shell/FrameLoop.cpp|world.startPlayer(bootScreen.name,|highScore = 0; world.startPlayer(bootScreen.name,
src/shell/FrameLoop.cpp|world.step(stepTime, readPlayerInput(devices));|world.step(stepTime, readPlayerInput(devices)); highScore = raisedHighScore(highScore, world.player());
src/render/BootScreenDrawing.cpp|static_cast<int>(2.5f * time)|static_cast<int>(2.0f * time)
src/shell/BootScreen.cpp|left + 75.0f *|left + 70.0f *
src/shell/BootScreen.cpp|PadRest = 10.0f|PadRest = 20.0f
src/render/Backdrop.cpp|std::rand() % 1800 + 500|std::rand() % 1800 + 400
src/render/Backdrop.cpp|shift.translate(-centre.x|shift.translate(centre.x
src/render/PelletQuads.cpp|pellet.isBig ? 3.6f : 5.0f|pellet.isBig ? 4.0f : 5.0f
src/render/SparkQuads.cpp|3.0f * spark.life|2.0f * spark.life
src/render/SnakeGeometry.cpp|/ period > 0.5f|/ period >= 0.5f
src/render/SnakeGeometry.cpp|channel + 60, 255|channel + 50, 255
src/render/Eyes.cpp|snake.heading + 1.3f *|snake.heading + 1.0f *
src/render/Minimap.cpp|MapRadius - 40.0f,|MapRadius - 30.0f,
src/render/RankingBoard.cpp|55.0f + 27.0f *|55.0f + 25.0f *
src/render/GlowTexture.cpp|* 0.45f + 2.5f|* 0.5f + 2.5f
src/render/WorldPass.cpp|0.28125f / zoom|0.3f / zoom
src/render/SnakeTexts.cpp|world.rankingRefreshes == seenRefreshes|world.rankingRefreshes < seenRefreshes
src/render/ScoreDisplay.cpp|player.alive && player.score() > highScore|player.score() > highScore
src/render/ScoreDisplay.cpp|player.alive && player.score() > highScore ?|player.alive ?
EOF
}

tree="$scratch/tree"
mkdir -p "$tree"
tar -C "$root" --exclude='./build*' --exclude=./.git --exclude=./dist -cf - . | tar -C "$tree" -xf -
cmake -S "$tree" -B "$tree/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
source "$root/tests/e2e/xvfb.sh"
start_xvfb 1280x720x24
trap stop_xvfb EXIT

build() { cmake --build "$tree/build" --parallel 2 --target unit_tests gl_tests runner_tests neonvine-sim >/dev/null 2>&1; }
# passes [CTEST_ARGS...]: the fast tests, or those the arguments pick, all pass.
passes() { (cd "$tree/build" && ctest -L '^(unit|gl|runner)$' --timeout 120 --stop-on-failure "$@" >/dev/null 2>&1); }
digests=(-R '^runner_pinned_digests$') others=(-E '^runner_pinned_digests$')

build && passes || { echo "the fast tests fail without any fault" >&2; exit 1; }
total=0 caught=0 withoutDigests=0 broken=0
while IFS='|' read -r file text replacement; do
  total=$((total + 1))
  cp "$tree/$file" "$scratch/original"
  uses="$(grep -cF -- "$text" "$tree/$file" || true)"
  [ "$uses" = 1 ] || { echo "fault $total: '$text' stands $uses times in $file" >&2; exit 1; }
  OLD="$text" NEW="$replacement" perl -pi -e 's/\Q$ENV{OLD}\E/$ENV{NEW}/' "$tree/$file"
  fault="$file: $text -> $replacement"
  # A fault that does not build is a mistake of the list, never a catch.
  if ! build; then
    broken=$((broken + 1)) && echo "does not build: $fault"
  elif ! passes "${others[@]}"; then
    caught=$((caught + 1)) withoutDigests=$((withoutDigests + 1)) && echo "caught: $fault"
  elif ! passes "${digests[@]}"; then
    caught=$((caught + 1)) && echo "caught by the pinned digests alone: $fault"
  else
    echo "missed: $fault"
  fi
  cp "$scratch/original" "$tree/$file"
done < <(faults)
echo "caught $caught of $total planted faults with every fast test, $withoutDigests without the pinned digests"
[ "$broken" = 0 ] || { echo "$broken planted faults do not build: fix the list" >&2; exit 1; }
