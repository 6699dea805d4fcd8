// Runs beside the preview's page in a world of its own, unseen by the page: tells the pane of an
// entry chosen that leads nowhere (the menu's code ignores it) and of the first frame drawn, and
// keeps the chosen entry and the scroll position across updates.
var quorvanePreview = (() => {
    const tell = (message) => console.info("quorvane-preview " + JSON.stringify(message));

    // The page with the menu: the frame "main" of the frameset, otherwise this page.
    const menuDocument = () => {
        const frame = document.querySelector('frame[name="main"]');
        return frame ? frame.contentDocument : document;
    };

    // The entry a list starts with: the last one marked SELECTED, else the first.
    const startIndex = (select) => {
        let index = 0;
        for (const option of select.options) {
            index = option.defaultSelected ? option.index : index;
        }
        return index;
    };

    const tellIfNowhere = (select) => {
        const option = select.options[select.selectedIndex];
        if (option && option.value === "nolink") {
            tell({nolink: option.text});
        }
    };

    document.addEventListener("change", (event) => {
        const list = event.target;
        if (list.name === "selectsite" && list.hasAttribute("onchange")) {
            tellIfNowhere(list);
        }
    }, true);
    document.addEventListener("submit", (event) => {
        const list = event.target.elements.namedItem("selectsite");
        if (list) {
            tellIfNowhere(list);
        }
    }, true);

    const restore = (kept) => {
        const doc = menuDocument();
        const lists = doc.querySelectorAll("select");
        kept.chosen.forEach((chosen, i) => {
            const list = lists[i];
            if (!chosen || !list) {
                return;
            }
            const same = (option) =>
                option && option.text === chosen.text && option.value === chosen.value;
            const option = same(list.options[chosen.index]) ? list.options[chosen.index]
                                                            : Array.from(list.options).find(same);
            if (option) {
                list.selectedIndex = option.index;
            }
        });
        doc.defaultView.scrollTo(kept.x, kept.y);
    };

    return {
        // What the user changed: the entries chosen in the lists, the scroll position.
        capture() {
            const doc = menuDocument();
            const chosen = Array.from(doc.querySelectorAll("select"), (list) => {
                const option = list.options[list.selectedIndex];
                return option && list.selectedIndex !== startIndex(list)
                           ? {index: option.index, text: option.text, value: option.value}
                           : null;
            });
            return {x: doc.defaultView.scrollX, y: doc.defaultView.scrollY, chosen};
        },
        // A new page: back to what the user had, then word when its first frame is drawn. Two
        // frames after the one the page is in, that one has reached the screen.
        settle(kept, serial) {
            if (kept) {
                restore(kept);
            }
            const after = (frames) =>
                requestAnimationFrame(() => frames > 1 ? after(frames - 1) : tell({drawn: serial}));
            after(3);
        },
    };
})();
