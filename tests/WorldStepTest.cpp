#include "TestWorld.h"

#include "bots/BotNames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

const PlayerInput idle;

void run(World& world, int steps) {
    for (int i = 0; i < steps; ++i) world.step(0.0f, idle);
}

bool folded(const Snake& snake) {
    for (std::size_t i = 1; i < snake.pointCount; ++i)
        if (snake.points[i] != snake.points[0]) return false;
    return true;
}

}  // namespace

TEST(WorldStep, StartsWithFortySnakesAndThreeHundredListedPellets) {
    // The bots' spawns are the first draws: bot 1 is what a lone spawn makes.
    std::wstring firstName;
    sf::Color firstColor;
    sf::Vector2f firstPlace;
    {
        std::vector<sf::Vector2f> pool(MaxSnakes * MaxPoints);
        std::srand(51);
        Snake lone(1, pool.data(), L"", sf::Color::White, false);
        lone.respawn({0.0f, 0.0f});
        firstName = lone.name;
        firstColor = lone.color;
        firstPlace = lone.points[0];
    }
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
        EXPECT_EQ(bot.id, id);
        EXPECT_FALSE(bot.isPlayer);
        EXPECT_TRUE(bot.alive);
        EXPECT_EQ(bot.pointCount, 15u);
        EXPECT_NE(botNameRow(bot.name), 0) << id;
    }

    EXPECT_EQ(world.livePelletCount(), 300);
    EXPECT_EQ(world.freePellets.size(), 600u);
    EXPECT_EQ(world.freePellets.back(), 599);
    std::size_t listed = 0;
    for (const std::vector<Pellet*>& cell : world.pelletGrid) listed += cell.size();
    EXPECT_EQ(listed, 300u);
    for (const Pellet& pellet : world.pellets) {
        if (pellet.isFree) continue;
        const auto& cell = world.pelletGrid[cellOf(pellet.position.x, pellet.position.y).index()];
        EXPECT_EQ(std::count(cell.begin(), cell.end(), &pellet), 1);
    }
}

TEST(WorldStep, DeadSnakesComeBackOnThe151stOr181stStep) {
    std::srand(52);
    World world;
    quieten(world);
    Snake& bot = *world.snakes[1];
    place(bot, {0.0f, 0.0f}, 0.0f, 80.0f);
    const std::wstring oldName = bot.name;
    world.killSnake(bot);
    run(world, 180);
    EXPECT_FALSE(bot.alive);
    EXPECT_EQ(bot.name, oldName);  // a dead bot keeps its name
    world.step(0.0f, idle);
    ASSERT_TRUE(bot.alive);
    EXPECT_TRUE(folded(bot));  // not moved in the step of its respawn
    EXPECT_EQ(bot.mass, 80.0f);
    EXPECT_EQ(namesInUse.count(bot.name), 1u);
    if (bot.name != oldName) {
        EXPECT_EQ(namesInUse.count(oldName), 0u);
    }
    bot.alive = false;
    bot.respawnTimer = 1.0e9f;

    Snake& player = world.player();
    world.startPlayer(L"Kai", sf::Color::Magenta);
    world.killSnake(player);
    run(world, 150);
    EXPECT_FALSE(player.alive);
    // The camera holds still while the player is dead.
    EXPECT_EQ(world.cameraCenter, sf::Vector2f(0.0f, 0.0f));
    EXPECT_EQ(world.zoom, 2.4f);
    world.step(0.0f, idle);
    ASSERT_TRUE(player.alive);
    EXPECT_TRUE(folded(player));
    EXPECT_EQ(player.name, L"Kai");
    EXPECT_EQ(player.color, sf::Color::Magenta);
    EXPECT_EQ(namesInUse.count(L"Kai"), 0u);
}

TEST(WorldStep, CameraEasesTowardTheHeadAndAZoomForTheMass) {
    std::srand(53);
    World world;
    quieten(world);
    Snake& player = world.player();
    place(player, {1000.0f, -400.0f}, 0.0f, 80.0f);
    world.step(0.0f, idle);
    const sf::Vector2f head = player.points[0];
    EXPECT_EQ(head, sf::Vector2f(1000.0f + 6.3f, -400.0f));
    EXPECT_FLOAT_EQ(world.cameraCenter.x, head.x * 0.15f);
    EXPECT_FLOAT_EQ(world.cameraCenter.y, head.y * 0.15f);
    EXPECT_FLOAT_EQ(world.zoom, 2.4f + (2.4375f - 2.4f) * 0.05f);

    // Past mass 4473 the zoom target stays at 0.55.
    player.mass = 9000.0f;
    const float zoom = world.zoom;
    world.step(0.0f, idle);
    EXPECT_FLOAT_EQ(world.zoom, zoom + (0.55f - zoom) * 0.05f);

    // A dead player freezes the camera.
    world.killSnake(player);
    const sf::Vector2f frozenCenter = world.cameraCenter;
    const float frozenZoom = world.zoom;
    run(world, 5);
    EXPECT_EQ(world.cameraCenter, frozenCenter);
    EXPECT_EQ(world.zoom, frozenZoom);
}

TEST(WorldStep, RankingRefreshesOnEvery61stStep) {
    std::srand(54);
    World world;
    world.startPlayer(L"Kai", sf::Color::Yellow);
    for (int round = 0; round < 2; ++round) {
        run(world, 60);
        EXPECT_TRUE(world.ranking.empty()) << round;
        EXPECT_LT(world.rankingTimer, 1.0f);
        world.step(0.0f, idle);
        EXPECT_EQ(world.rankingTimer, 0.0f);

        const auto alive = std::count_if(world.snakes.begin(), world.snakes.end(),
                                         [](const std::unique_ptr<Snake>& snake) { return snake->alive; });
        ASSERT_EQ(static_cast<long>(world.ranking.size()), alive) << round;
        for (std::size_t i = 0; i < world.ranking.size(); ++i) {
            const Snake& snake = *world.ranking[i];
            EXPECT_TRUE(snake.alive);
            EXPECT_EQ(snake.shownScore, static_cast<float>(snake.score()));
            if (i > 0) {
                EXPECT_GE(world.ranking[i - 1]->mass, snake.mass);
            }
        }
        world.ranking.clear();
    }
}

TEST(WorldStep, CollisionsAndBotsSeeTheBodiesAsTheyStoodBeforeMoving) {
    std::srand(55);
    World world;
    quieten(world);
    Snake& player = world.player();
    Snake& doomed = *world.snakes[1];
    Snake& bot = *world.snakes[2];
    place(player, {0.0f, 0.0f}, 0.0f, 80.0f, 15, 8.0f);
    place(doomed, {3797.0f, 0.0f}, 0.0f, 80.0f);  // its step carries it past the rim
    place(bot, {-1000.0f, 500.0f}, 1.0f, 80.0f, 15, 8.0f);
    bot.boosting = true;
    const std::vector<sf::Vector2f> before(bot.points, bot.points + 15);
    world.step(0.0f, idle);

    ASSERT_NE(bot.points[0], before[0]);
    for (std::size_t i = 0; i + 1 < before.size(); ++i) {
        const auto& cell = world.botSegmentGrid[cellOf(before[i].x, before[i].y).index()];
        const bool listed = std::any_of(cell.begin(), cell.end(), [&](const SegmentEntry& entry) {
            return entry.owner == &bot && entry.a == before[i] && entry.b == before[i + 1];
        });
        EXPECT_TRUE(listed) << i;
    }
    EXPECT_EQ(world.botSegmentGrid.size(), 28u);  // the doomed bot was still alive when the step began
    EXPECT_EQ(world.playerSegmentGrid.size(), 14u);

    // Blended before the bot's decision, from the flag it had.
    EXPECT_EQ(bot.boostBlend, 0.12f);
    // Sparks of a death in this step already had this step's update.
    EXPECT_FALSE(doomed.alive);
    ASSERT_EQ(world.particles.size(), 6u);
    for (const Particle& spark : world.particles) EXPECT_EQ(spark.life, 1.0f - 0.02f);
}

TEST(WorldStep, OnlyABoostingSnakeDrawsForItsTrail) {
    std::srand(56);
    World world;
    quieten(world);
    Snake& player = world.player();
    place(player, {0.0f, 0.0f}, 0.0f, 500.0f, 15, 9.0f);
    player.color = sf::Color(1, 2, 3);
    for (int i = 0; i < 300; ++i) world.addPellet({-3000.0f, 0.0f}, 4.0f, sf::Color::White, false);

    std::srand(560);
    const int first = std::rand();
    std::srand(560);
    world.step(0.0f, idle);
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
        world.step(0.0f, boost);
        ASSERT_TRUE(player.boosting);
        if (drop) {
            ++dropped;
            const Pellet& trail = world.pellets[world.freePellets.back() + 1];
            EXPECT_EQ(trail.position, player.points[player.pointCount - 1]);
            EXPECT_EQ(trail.size, 3.75f);
            EXPECT_EQ(trail.color, sf::Color(1, 2, 3));
        }
        EXPECT_EQ(world.livePelletCount(), 300 + dropped);
    }
    EXPECT_GT(dropped, 0);
}

TEST(WorldStep, BotRespawnsAwayFromTheLivingPlayersHead) {
    std::srand(57);
    World world;
    quieten(world);
    Snake& player = world.player();
    Snake& bot = *world.snakes[1];
    for (int i = 0; i < 300; ++i) world.addPellet({-3000.0f, 0.0f}, 4.0f, sf::Color::White, false);
    for (unsigned seed = 1; seed <= 20; ++seed) {
        place(player, {1500.0f, 0.0f}, 0.0f, 80.0f);
        bot.alive = false;
        bot.respawnTimer = 0.01f;
        std::srand(seed);
        world.step(0.0f, idle);
        ASSERT_TRUE(bot.alive);
        const sf::Vector2f gap = bot.points[0] - player.points[0];
        EXPECT_GT(gap.x * gap.x + gap.y * gap.y, 1.44e6f) << seed;
    }
}
