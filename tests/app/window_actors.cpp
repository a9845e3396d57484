#include "chart_actors.h"
#include "window_actor.h"

namespace random_session {

std::unique_ptr<WindowActor> makeSectionTableActor();
std::unique_ptr<WindowActor> makeFilesActor();
std::unique_ptr<WindowActor> makeRecordsActor();  // actor_records.cpp

std::vector<std::unique_ptr<WindowActor>> makeWindowActors()
{
    std::vector<std::unique_ptr<WindowActor>> actors;
    actors.push_back(makeSectionTableActor());
    actors.push_back(makeFilesActor());
    actors.push_back(makeChartActor());
    actors.push_back(makeCapacityActor());
    actors.push_back(makeRecordsActor());
    return actors;
}

}  // namespace random_session
