#include "TestWorld.h"

#include "bots/BotNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace {

const PlayerInput idle;

void run(World& world, int steps) {
    for (int i = 0; i < steps; ++i) world.step(0.0f, idle);
}

bool folded(const Snake& snake) {
    return std::all_of(snake.points, snake.points + snake.pointCount, [&](sf::Vector2f p) { return p == snake.points[0]; });
}

}  // namespace

TEST(WorldStep, StartsWithFortySnakesAndThreeHundredListedPellets) {
    // The bots' spawns are the first draws: bot 1 is what a lone spawn makes.
    std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
    std::srand(51);
    auto lone = std::make_unique<Snake>(1, pool.data(), L"", sf::Color::White, false);
    lone->respawn({0.0f, 0.0f});
    const std::wstring firstName = lone->name;
    const sf::Color firstColor = lone->color;
    const sf::Vector2f firstPlace = lone->points[0];
    lone.reset();
    std::srand(51);
    World world;
    ASSERT_EQ(world.snakes.size(), 40u);
    EXPECT_EQ(world.snakes[1]->name, firstName);
    EXPECT_EQ(world.snakes[1]->color, firstColor);
    EXPECT_EQ(world.snakes[1]->points[0], firstPlace);

    const Snake& player = world.player();
    EXPECT_TRUE(player.isPlayer);
    EXPECT_EQ(player.name, L"あなた");
    EXPECT_EQ(player.color, sf::Color::Cyan);
    EXPECT_EQ(player.pointCount, 0u);
    for (std::size_t id = 1; id < 40; ++id) {
        const Snake& bot = *world.snakes[id];
        EXPECT_EQ(std::make_tuple(bot.id, bot.isPlayer, bot.alive, bot.pointCount), std::make_tuple(id, false, true, 15u));
        EXPECT_NE(botNameRow(bot.name), 0) << id;
    }
    // The last 300 of the pool are in play, each listed once; 599 tops the free stack.
    for (int i = 0; i < PelletPoolSize; ++i) EXPECT_EQ(world.pellets[i].isFree, i < 600) << i;
    EXPECT_EQ(world.freePellets.size(), 600u);
    EXPECT_EQ(world.freePellets.back(), 599);
    std::size_t listed = 0;
    for (const std::vector<Pellet*>& cell : world.pelletGrid) listed += cell.size();
    EXPECT_EQ(listed, 300u);
    for (const Pellet& pellet : world.pellets) {
        const auto& cell = world.pelletGrid[cellOf(pellet.position.x, pellet.position.y).index()];
        EXPECT_EQ(std::count(cell.begin(), cell.end(), &pellet), pellet.isFree ? 0 : 1);
    }
    world.addPellet({1000.0f, 1000.0f}, 5.0f, sf::Color::Red, false);
    EXPECT_FALSE(world.pellets[599].isFree);
}

TEST(WorldStep, DeadSnakesComeBackOnThe151stOr181stStepAndTheCameraWaits) {
    auto world = quietWorld(52);
    Snake& bot = *world->snakes[1];
    place(bot, {0.0f, 0.0f}, 0.0f, 80.0f);
    const std::wstring oldName = bot.name;
    world->killSnake(bot);
    run(*world, 180);
    EXPECT_FALSE(bot.alive);
    EXPECT_EQ(bot.name, oldName);  // a dead bot keeps its name
    world->step(0.0f, idle);
    ASSERT_TRUE(bot.alive);
    EXPECT_TRUE(folded(bot));  // not moved in the step of its respawn
    EXPECT_EQ(bot.mass, 80.0f);
    EXPECT_EQ(namesInUse.count(bot.name), 1u);
    EXPECT_TRUE(bot.name == oldName || namesInUse.count(oldName) == 0);
    bot.alive = false;
    bot.respawnTimer = 1.0e9f;

    Snake& player = world->player();
    world->startPlayer(L"Kai", sf::Color::Magenta);
    world->killSnake(player);
    run(*world, 150);
    EXPECT_FALSE(player.alive);
    EXPECT_EQ(world->cameraCenter, sf::Vector2f(0.0f, 0.0f));
    EXPECT_EQ(world->zoom, 2.4f);
    world->step(0.0f, idle);
    ASSERT_TRUE(player.alive);
    EXPECT_TRUE(folded(player));
    EXPECT_EQ(player.name, L"Kai");
    EXPECT_EQ(player.color, sf::Color::Magenta);
    EXPECT_EQ(namesInUse.count(L"Kai"), 0u);
}

TEST(WorldStep, CameraEasesTowardTheHeadAndAZoomForTheMass) {
    auto world = quietWorld(53);
    Snake& player = world->player();
    place(player, {1000.0f, -400.0f}, 0.0f, 80.0f);
    world->step(0.0f, idle);
    const sf::Vector2f head = player.points[0];
    EXPECT_EQ(head, sf::Vector2f(1000.0f + 6.3f, -400.0f));
    EXPECT_FLOAT_EQ(world->cameraCenter.x, head.x * 0.15f);
    EXPECT_FLOAT_EQ(world->cameraCenter.y, head.y * 0.15f);
    EXPECT_FLOAT_EQ(world->zoom, 2.4f + (2.4375f - 2.4f) * 0.05f);
    // Past mass 4473 the zoom target stays at 0.55.
    player.mass = 9000.0f;
    const float zoom = world->zoom;
    world->step(0.0f, idle);
    EXPECT_FLOAT_EQ(world->zoom, zoom + (0.55f - zoom) * 0.05f);
}

TEST(WorldStep, RankingRefreshesOnEvery61stStep) {
    std::srand(54);
    World world;
    world.startPlayer(L"Kai", sf::Color::Yellow);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round);
        run(world, 60);
        EXPECT_TRUE(world.ranking.empty());
        EXPECT_LT(world.rankingTimer, 1.0f);
        world.step(0.0f, idle);
        EXPECT_EQ(world.rankingTimer, 0.0f);
        const auto alive = std::count_if(world.snakes.begin(), world.snakes.end(), [](const auto& s) { return s->alive; });
        ASSERT_EQ(static_cast<long>(world.ranking.size()), alive);
        for (std::size_t i = 0; i < world.ranking.size(); ++i) {
            const Snake& snake = *world.ranking[i];
            EXPECT_TRUE(snake.alive);
            EXPECT_EQ(snake.shownScore, static_cast<float>(snake.score()));
            EXPECT_TRUE(i == 0 || world.ranking[i - 1]->mass >= snake.mass) << i;
        }
        world.ranking.clear();
    }
}

TEST(WorldStep, CollisionsAndBotsSeeTheBodiesAsTheyStoodBeforeMoving) {
    auto world = quietWorld(55);
    Snake& doomed = *world->snakes[1];
    Snake& bot = *world->snakes[2];
    place(world->player(), {0.0f, 0.0f}, 0.0f, 80.0f, 15, 8.0f);
    place(doomed, {3797.0f, 0.0f}, 0.0f, 80.0f);  // its step carries it past the rim
    place(bot, {-1000.0f, 500.0f}, 1.0f, 80.0f, 15, 8.0f);
    bot.boosting = true;
    const std::vector<sf::Vector2f> before(bot.points, bot.points + 15);
    world->step(0.0f, idle);

    ASSERT_NE(bot.points[0], before[0]);
    for (std::size_t i = 0; i + 1 < before.size(); ++i) {
        const int cell = cellOf(before[i].x, before[i].y).index();
        EXPECT_TRUE(world->botSegmentGrid.anyIn(cell, [&](const SegmentEntry& entry) {
            return entry.owner == &bot && entry.a == before[i] && entry.b == before[i + 1];
        })) << i;
    }
    EXPECT_EQ(world->botSegmentGrid.size(), 28u);  // the doomed bot was still alive when the step began
    EXPECT_EQ(world->playerSegmentGrid.size(), 14u);
    EXPECT_EQ(bot.boostBlend, 0.12f);  // blended before the bot's decision, from the flag it had
    // Sparks of a death in this step already had this step's update.
    EXPECT_FALSE(doomed.alive);
    ASSERT_EQ(world->particles.size(), 6u);
    for (const Particle& spark : world->particles) EXPECT_EQ(spark.life, 1.0f - 0.02f);
}

TEST(WorldStep, OnlyABoostingSnakeDrawsForItsTrail) {
    auto world = quietWorld(56);
    Snake& player = world->player();
    place(player, {0.0f, 0.0f}, 0.0f, 500.0f, 15, 9.0f);
    player.color = sf::Color(1, 2, 3);
    addFarPellets(*world, 300);
    std::srand(560);
    const int first = std::rand();
    std::srand(560);
    world->step(0.0f, idle);
    EXPECT_EQ(std::rand(), first);

    PlayerInput boost;
    boost.mouseOffset = {100.0f, 0.0f};
    boost.leftButton = true;
    std::srand(561);
    std::vector<bool> drops;
    for (int i = 0; i < 24; ++i) drops.push_back(std::rand() % 8 == 0);
    std::srand(561);
    int dropped = 0;
    for (bool drop : drops) {
        world->step(0.0f, boost);
        ASSERT_TRUE(player.boosting);
        if (drop) {
            ++dropped;
            const Pellet& trail = world->pellets[world->freePellets.back() + 1];
            EXPECT_EQ(trail.position, player.points[player.pointCount - 1]);
            EXPECT_EQ(std::make_tuple(trail.size, trail.color), std::make_tuple(3.75f, sf::Color(1, 2, 3)));
        }
        EXPECT_EQ(world->livePelletCount(), 300 + dropped);
    }
    EXPECT_GT(dropped, 0);
}

TEST(WorldStep, BotRespawnsAwayFromTheLivingPlayersHead) {
    auto world = quietWorld(57);
    Snake& player = world->player();
    Snake& bot = *world->snakes[1];
    addFarPellets(*world, 300);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        place(player, {1500.0f, 0.0f}, 0.0f, 80.0f);
        bot.alive = false;
        bot.respawnTimer = 0.01f;
        std::srand(seed);
        world->step(0.0f, idle);
        ASSERT_TRUE(bot.alive);
        const sf::Vector2f gap = bot.points[0] - player.points[0];
        EXPECT_GT(gap.x * gap.x + gap.y * gap.y, 1.44e6f) << seed;
    }
}
